// What the dialect-base suites share: a connection to make dialect objects with, and the
// text of a C result.
#pragma once

#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/database.h>

#include <string>

#include "rezezadovu/supports/database/connection_impl.hpp"
#include "support/driver_checks.hpp"

namespace tarvelin::test {

class DialectFixture : public testing::Test {
protected:
    gobj::Ref<rezezadovu::supports::database::ConnectionImpl> connection =
        rezezadovu::supports::database::ConnectionImpl::create();
    TarvelinRezezadovuContractsDatabaseIConnection* conn() const {
        return static_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(connection.instance());
    }
};

// A new C text as a string (freed), "(null)" for none.
inline std::string take(gchar* text) { return text ? gobj::take_string(text) : std::string("(null)"); }

}  // namespace tarvelin::test
