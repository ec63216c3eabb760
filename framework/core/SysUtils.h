// Exceptions that carry the system's message texts, and printf-style formatting.
// Portable: never includes windows.h.
#pragma once

#include <cstdarg>
#include <exception>
#include <string>
#include <string_view>

// printf-style formatting into a std::string.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
std::string FormatV(const char* format, va_list args);

// Base of every error that reaches the application's default error handler.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Ends the current event without a message box.
class EAbort : public Exception {
 public:
  EAbort() : Exception("Operation aborted") {}
};

class EStreamError : public Exception {
  using Exception::Exception;
};
class EReadError : public EStreamError {
 public:
  EReadError() : EStreamError("Stream read error") {}
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  EWriteError() : EStreamError("Stream write error") {}
  using EStreamError::EStreamError;
};

// "Cannot assign a %s to a %s".
class EConvertError : public Exception {
  using Exception::Exception;
};

class EOutOfMemory : public Exception {
 public:
  EOutOfMemory() : Exception("Out of memory") {}
};

class EInvalidGraphicOperation : public Exception {
  using Exception::Exception;
};

class EInvalidGraphic : public Exception {
  using Exception::Exception;
};

// Raised by indexed colour pairs for an index other than 0 or 1.
class EInvalidPropertyIndex : public Exception {
 public:
  explicit EInvalidPropertyIndex(int index);
};

class EInvalidOperation : public Exception {
  using Exception::Exception;
};

class EListError : public Exception {
  using Exception::Exception;
};

// The window system ran out of something (windows, timers): "Not enough timers available".
class EOutOfResources : public Exception {
  using Exception::Exception;
};

// Bad form data; the message names the line.
class EParserError : public Exception {
  using Exception::Exception;
};

// Registry accessor failures ("Failed to get data for '%s'", ...).
class ERegistryException : public Exception {
  using Exception::Exception;
};

// "Cannot assign a <source class> to a <target class>".
[[noreturn]] void ThrowCannotAssign(const std::string& sourceClass, const std::string& targetClass);

// Locale-independent helpers used by the property streaming and the controls.
bool SameTextAscii(const std::string& a, const std::string& b);
std::string LowerCaseAscii(std::string text);
std::string TrimSpaces(const std::string& text);
// ASCII letters, digits and underscores, not starting with a digit: the names that form text can
// hold.
bool IsIdentStartAscii(char c);
bool IsIdentCharAscii(char c);
bool IsValidIdentAscii(std::string_view text);
