// The interface language of the process: 0 Catalan (initial), 1 English, 2 Spanish.
#pragma once
#include <cstdint>

namespace util {
extern int32_t LanguageIndex;
}
