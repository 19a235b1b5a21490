// Errors of the client library as error records of the driver's domain.
#pragma once

#include <mysql.h>

#include <string>

#include "providers/gobj/error.hpp"
#include "providers/supports/mysql_common/product.hpp"

namespace tarvelin::providers::supports::mysql_common {

// A result of 0 passes. Any other result (a library call's return value, or -1 for
// "consult the handle") throws the handle's error number and text after logging the
// option dump; a handle without an error number still throws, code -1.
TARVELIN_EXPORT void raise_error(const Product& product, MYSQL* connection, int result);

// The twelve option lines that go with every library error.
TARVELIN_EXPORT std::string dump_text(MYSQL* connection);
// Logs dump_text as a warning.
TARVELIN_EXPORT void dump(MYSQL* connection);

// An error of the product's domain.
[[noreturn]] TARVELIN_EXPORT void fail(const Product& product, int code, const std::string& message);

}  // namespace tarvelin::providers::supports::mysql_common
