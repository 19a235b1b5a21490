// The table-reading query texts that the MySQL and MariaDB readers share, as the scripted
// tests answer them. Names are inserted as given (a test passes them already escaped).
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/scripted_provider.hpp"

namespace tarvelin::test::mysql_family {

std::string columns_query(const std::string& schema, const std::string& table);
std::string show_index_query(const std::string& schema, const std::string& table);
std::string triggers_query(const std::string& schema, const std::string& table);
std::string foreign_keys_query(const std::string& schema, const std::string& table);
// The same rows for every table of a schema at once (a deep read), each naming its table.
std::string schema_columns_query(const std::string& schema);
std::string schema_index_query(const std::string& schema);
std::string schema_triggers_query(const std::string& schema);
std::string schema_foreign_keys_query(const std::string& schema);
std::string schema_status_query(const std::string& schema);
std::string schema_routines_query(const std::string& schema);
std::string schema_parameters_query(const std::string& schema);
std::string schema_events_query(const std::string& schema);

// The answers to a deep read's schema-wide queries, gathered object by object: each
// object's rows with its name first in column `key` (none where its rows name it
// already, as SHOW TABLE STATUS's do).
struct SchemaWide {
    std::map<std::string, std::pair<std::vector<ScriptedColumn>, std::vector<ScriptedRow>>> answers;
    void add(const std::string& all, const char* key, const std::string& name, const std::vector<ScriptedColumn>& cols,
             std::vector<ScriptedRow> rows) {
        auto& [columns, kept] = answers[all];
        columns = cols;
        if (key) columns.insert(columns.begin(), ScriptedColumn(key, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING));
        for (auto& row : rows) {
            if (key) row.insert(row.begin(), Cell(name));
            kept.push_back(std::move(row));
        }
    }
    void answer(ScriptedProvider& p) {
        for (auto& [sql, answer] : answers) p.answer_rows(sql, answer.first, answer.second);
    }
};

}  // namespace tarvelin::test::mysql_family
