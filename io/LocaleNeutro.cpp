#include "io/LocaleNeutro.h"

namespace {

// Made once and kept for the life of the process (newlocale may allocate).
locale_t LocaleC() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

LocaleNeutro::LocaleNeutro() {
    // Should the C locale object be missing (no memory), the thread keeps
    // its locale.
    if (const locale_t c = LocaleC(); c != nullptr) anterior_ = uselocale(c);
}

LocaleNeutro::~LocaleNeutro() {
    if (anterior_ != nullptr) uselocale(anterior_);
}
