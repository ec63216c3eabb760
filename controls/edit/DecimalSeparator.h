// The user's decimal separator (LOCALE_SDECIMAL of the user default locale), behind one function
// so that tests can pin it.
#pragma once

// The first character of the user's decimal separator; '.' when the locale cannot be read.
char DecimalSeparator();

// Makes DecimalSeparator() answer separator for its lifetime (tests). Scopes nest.
class DecimalSeparatorOverride {
 public:
  explicit DecimalSeparatorOverride(char separator);
  ~DecimalSeparatorOverride();
  DecimalSeparatorOverride(const DecimalSeparatorOverride&) = delete;
  DecimalSeparatorOverride& operator=(const DecimalSeparatorOverride&) = delete;

 private:
  const DecimalSeparatorOverride* outer_;
  char separator_;
  friend char DecimalSeparator();
};
