// dv_form_compose <template> <output> NAME=file ...: copies the template and replaces each line
// holding only indentation and {{NAME}} with the bytes of the file as a form-data binary block.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "framework/core/SysUtils.h"
#include "tools/formcompose/FormCompose.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Exception("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw Exception("cannot read " + path);
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: dv_form_compose <template> <output> NAME=file ...\n");
    return 2;
  }
  try {
    TFormBlocks blocks;
    for (int i = 3; i < argc; ++i) {
      const std::string argument = argv[i];
      const size_t equals = argument.find('=');
      const std::string name = argument.substr(0, equals);
      if (equals == std::string::npos || PlaceholderName("{{" + name + "}}") != name) {
        throw Exception("bad argument '" + argument + "': expected NAME=file");
      }
      const std::string bytes = ReadFile(argument.substr(equals + 1));
      if (!blocks.emplace(name, std::vector<uint8_t>(bytes.begin(), bytes.end())).second) {
        throw Exception("name " + name + " given twice");
      }
    }
    const std::string text = ComposeForm(ReadFile(argv[1]), blocks);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw Exception(std::string("cannot write ") + argv[2]);
  } catch (const Exception& error) {
    std::fprintf(stderr, "dv_form_compose: %s: %s\n", argv[1], error.what());
    return 1;
  }
  return 0;
}
