// Helpers of the driver suites: readers of results, errors and captured log lines.
#pragma once

#include "support/log_capture.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "providers/contracts/face_provider.hpp"
#include "providers/gobj/error.hpp"

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

// "<domain> <code> <message>" of a C error, which it frees; "(none)" without one.
inline std::string describe(GError* e) {
    if (!e) return "(none)";
    std::string r = std::string(g_quark_to_string(e->domain)) + " " + std::to_string(e->code) + " " + e->message;
    g_error_free(e);
    return r;
}

// Records the GLib log lines (g_log and structured alike) while it lives, instead of
// printing them, so tests can check what was logged.
class LogCapture : public LogSink {
public:
    struct Record {
        GLogLevelFlags level;
        std::string message;
    };

    LogCapture() = default;

    // Lines of that level holding `fragment` (any line of that level by default).
    int count(GLogLevelFlags level, const std::string& fragment = "") const {
        std::lock_guard lock(mutex_);
        int n = 0;
        for (const Record& r : records_)
            if ((r.level & level) && r.message.find(fragment) != std::string::npos) ++n;
        return n;
    }
    bool contains(GLogLevelFlags level, const std::string& fragment) const { return count(level, fragment) > 0; }
    // Every line so far, in order.
    std::vector<Record> records() const {
        std::lock_guard lock(mutex_);
        return records_;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        records_.clear();
    }
    bool take(GLogLevelFlags level, const char* message) override {
        std::lock_guard lock(mutex_);
        records_.push_back({level, message});
        return true;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Record> records_;
};

}  // namespace tarvelin::test
