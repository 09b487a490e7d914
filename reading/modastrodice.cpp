#include "reading/modastrodice.h"

namespace modAstroDice {

void ReadingTables::FillReadingTables() {}

} // namespace modAstroDice
