// A picture: the owner of at most one graphic of any registered kind, with its stored form
// ("Data": a length-prefixed class name, then the graphic's own data), file loading by extension
// and clipboard loading by format. Portable: never includes windows.h.
#pragma once

#include <memory>
#include <string>

#include "framework/core/Classes.h"
#include "framework/core/Graphic.h"
#include "framework/core/PictureFormats.h"

class TPicture : public TPersistent {
  DV_CLASS(TPicture)
 public:
  // Room for the class name in stored data.
  static constexpr size_t kMaxClassNameLength = 63;

  TPicture();
  ~TPicture() override;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Installs a copy of graphic: a new graphic of its class (looked up by class name in the file
  // formats) assigned from it; nullptr empties the picture. An unregistered class fails with
  // EConvertError "Cannot assign a <class> to a TPicture" and leaves the picture unchanged.
  void SetGraphic(TGraphic* graphic);
  // Installs graphic itself (nullptr empties the picture).
  void TakeGraphic(std::unique_ptr<TGraphic> graphic);
  // 0 without a graphic.
  int Width() const;
  int Height() const;

  // From another picture (a copy of its graphic), a graphic (a copy), or nullptr (empty).
  void Assign(const TPersistent* source) override;

  // The graphic class registered for the file's extension reads the whole file. Fails with
  // EInvalidGraphic "Unknown picture file extension (.%s)", EStreamError "Cannot open file
  // \"%s\"" or the graphic's own error; the picture is unchanged then.
  void LoadFromFile(const std::string& fileName);
  // Writes the graphic's stream form (nothing without a graphic). EStreamError when the file
  // cannot be created.
  void SaveToFile(const std::string& fileName) const;

  // The class registered for format loads the data. Fails with EInvalidGraphic "Unsupported
  // clipboard format" (picture unchanged) or the graphic's own error.
  void LoadFromClipboardFormat(TClipboardFormat format, TClipboardHandle data,
                               TPaletteHandle palette);
  // Nothing (format 0) without a graphic.
  void SaveToClipboardFormat(TClipboardFormat& format, TClipboardHandle& data,
                             TPaletteHandle& palette) const;
  static bool SupportsClipboardFormat(TClipboardFormat format);

  // Registration of graphic classes in the process-wide formats.
  static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                 const TClassInfo& graphicClass, TGraphicFactory factory);
  static void RegisterFileFormatRes(const std::string& extension, int descriptionResId,
                                    const TClassInfo& graphicClass, TGraphicFactory factory);
  static void RegisterClipboardGraphic(TClipboardFormat format, const TClassInfo& graphicClass,
                                       TGraphicFactory factory);
  // Removes the file and clipboard formats of graphicClass and of every class derived from it.
  static void UnregisterGraphicClass(const TClassInfo& graphicClass);

  // "Data" in form data.
  void DefineProperties(TFiler& filer) override;
  // Whether "Data" is written: without an ancestor, when there is a graphic; with one, when the
  // two graphics are neither the same object nor equal.
  bool DataStored(const TPicture* ancestor) const;
  // The stored form. Reading: an unknown or empty class name empties the picture (the rest of
  // the bytes is skipped); a failing graphic read keeps the previous graphic and the error goes
  // on; a name longer than 63 characters counts as unknown.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;

  TNotifyEvent OnChange;
  TProgressEvent OnProgress;

 protected:
  void AssignTo(TPersistent* dest) const override;
  virtual void Changed();

 private:
  // Frees the old graphic, routes the new one's notifications here and announces the change.
  void Install(std::unique_ptr<TGraphic> graphic);

  std::unique_ptr<TGraphic> graphic_;
};
