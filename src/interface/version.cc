// Version export: the library's own version, fixed when it was built
#include "oxel32.h"

extern "C" {

OXEL_API const char *oxel_version(void) { return OXEL32_VERSION_STRING; }

}  // extern "C"
