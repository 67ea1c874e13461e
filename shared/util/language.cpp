#include "shared/util/language.h"

namespace util {
int32_t LanguageIndex = 0;
}
