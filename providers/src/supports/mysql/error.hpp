// The error helpers of the MySQL driver, an interface without virtual operations.
#pragma once

#include <tarvelin/providers/mysql.h>

#include <mysql.h>

#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::mysql {

class TARVELIN_EXPORT IMySQLError : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsIMySQLErrorInterface;
    static GType gtype();

    // The driver's error of a library result (mysql_common::raise_error in its domain).
    static void raise_error(MYSQL* connection, gint result);
};

}  // namespace tarvelin::providers::supports::mysql
