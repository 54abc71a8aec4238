// The C locale for the calling thread while an object lives. nlohmann-json
// takes the decimal point of its number reader from the locale and reads
// with strtod; the window and usina-calc set the user's locale for the
// process, whose decimal point may be a character of more than one byte that
// the reader cannot use. Under the C locale every JSON number reads exactly.
#pragma once

#include <clocale>

class LocaleNeutro {
public:
    LocaleNeutro();
    ~LocaleNeutro();
    LocaleNeutro(const LocaleNeutro&) = delete;
    LocaleNeutro& operator=(const LocaleNeutro&) = delete;

private:
    locale_t anterior_ = nullptr;  // the thread's locale before, restored at the end
};
