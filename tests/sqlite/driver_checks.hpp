// Small readers of driver results shared by the SQLite and PostgreSQL suites.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "contracts/face_provider.hpp"

namespace tarvelin::test {

using providers::contracts::TableModel;
using providers::contracts::ValueObject;

// "name:type" of each column (the type's nick, "int64").
inline std::vector<std::string> column_heads(const TableModel& table) {
    std::vector<std::string> out;
    for (auto column : table.get_columns()) {
        gchar* type = tarvelin_providers_contracts_data_type_to_string(column->get_data_type());
        out.push_back(column->get_name().value_or("") + ":" + type);
        g_free(type);
    }
    return out;
}

// The registered type name of a value, or "(none)".
inline std::string kind(const gobj::Ref<ValueObject>& value) {
    return value ? value->type_name() : std::string("(none)");
}

// Each row as "kind=text" cells, "TarvelinProvidersContracts" left off the kind.
inline std::vector<std::vector<std::string>> cells(const TableModel& table) {
    std::vector<std::vector<std::string>> out;
    for (auto row : table.get_rows()) {
        std::vector<std::string> line;
        for (auto value : row->get_values()) {
            std::string k = kind(value);
            if (k.rfind("TarvelinProvidersContracts", 0) == 0) k.erase(0, 26);
            line.push_back(k + "=" + value->to_string());
        }
        out.push_back(line);
    }
    return out;
}

// Checks that every operation other than open and close fails with the given error on
// `provider` (one that holds no connection).
inline void expect_every_operation_fails(gpointer provider, const char* domain, int code,
                                         const std::string& message) {
    namespace iprovider = providers::contracts::iprovider;
    std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"execute_model", [&] { iprovider::execute_model(provider, "SELECT 1", true); }},
        {"execute_affect", [&] { iprovider::execute_affect(provider, "SELECT 1", true); }},
        {"execute_scalar", [&] { iprovider::execute_scalar(provider, "SELECT 1", true); }},
        {"execute_statements", [&] { iprovider::execute_statements(provider, "SELECT 1", true); }},
        {"execute_reader", [&] { iprovider::execute_reader(provider, "SELECT 1"); }},
        {"transaction", [&] { iprovider::transaction(provider); }},
        {"commit", [&] { iprovider::commit(provider); }},
        {"rollback", [&] { iprovider::rollback(provider); }},
    };
    for (const auto& [name, run] : operations) {
        try {
            run();
            ADD_FAILURE() << name << " raised no error";
        } catch (const gobj::Error& e) {
            EXPECT_TRUE(e.matches(domain)) << name << ": " << e.domain_name();
            EXPECT_EQ(e.code(), code) << name;
            EXPECT_EQ(e.message(), message) << name;
        }
    }
}

// The error `f` throws; fails the test when it throws none.
inline gobj::Error error_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const gobj::Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error was raised";
    return gobj::Error("none", 0, "");
}

}  // namespace tarvelin::test
