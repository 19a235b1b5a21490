// C face of Formatter: tarvelin_rezezadovu_supports_database_formatter_get_type,
// tarvelin_rezezadovu_supports_database_formatter_construct and
// tarvelin_rezezadovu_supports_database_formatter_new (TARVELIN_CLASS_CAPI); its
// operations are reached through the IFormattable dispatchers.
#include "rezezadovu/supports/database/formatter.hpp"

TARVELIN_LOG_TAG("formatter_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

extern "C" {

TARVELIN_CLASS_CAPI(Formatter, TarvelinRezezadovuSupportsDatabaseFormatter,
                    tarvelin_rezezadovu_supports_database_formatter)

}  // extern "C"
