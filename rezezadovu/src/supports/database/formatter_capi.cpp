// C face of Formatter: get_type, construct and new; its operations are reached through
// the IFormattable dispatchers.
#include "rezezadovu/supports/database/formatter.hpp"

TARVELIN_LOG_TAG("formatter_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

extern "C" {

TARVELIN_CLASS_CAPI(Formatter, TarvelinRezezadovuSupportsDatabaseFormatter,
                    tarvelin_rezezadovu_supports_database_formatter)

}  // extern "C"
