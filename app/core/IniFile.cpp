#include "app/core/IniFile.h"
