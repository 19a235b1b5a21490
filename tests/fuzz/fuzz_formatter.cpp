// The SQL formatter under arbitrary text: beautify and minify must give back the tokens
// they were given, under every dialect family's reading (literals, quoted names, bodies
// and comments byte for byte), apart from the blanks between tokens and keyword case.
#include <tarvelin/rezezadovu/database.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "../support/sql_tokens.hpp"
#include "fuzz_common.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::quiet();
    static auto* formatter = reinterpret_cast<TarvelinRezezadovuContractsDatabaseIFormattable*>(
        tarvelin_rezezadovu_supports_database_formatter_new());
    // The formatter's input is a C text: it ends at the first NUL.
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str();
    for (gchar* out : {tarvelin_rezezadovu_contracts_database_iformattable_beautify(formatter, text.c_str()),
                       tarvelin_rezezadovu_contracts_database_iformattable_minify(formatter, text.c_str())}) {
        if (!out) __builtin_trap();
        for (auto reading : tarvelin::test::kSqlReadings)
            if (tarvelin::test::sql_tokens(out, reading) != tarvelin::test::sql_tokens(text, reading))
                __builtin_trap();
        g_free(out);
    }
    return 0;
}
