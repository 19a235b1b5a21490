#include "sync_shape.hpp"

#include <algorithm>

namespace transform_test {

namespace {

std::string own(std::string line, const std::string& name) {
    for (size_t at = line.find(name); !name.empty() && at != std::string::npos; at = line.find(name, at + 5))
        line.replace(at, name.size(), "<own>");
    return line;
}

std::string first_cell(const std::string& row) { return row.substr(0, row.find('|')); }

// Column rows read "table|position|name|...": the position is kept only where the
// product can put a column anywhere.
void add_columns(Shape& shape, const std::vector<std::string>& rows, bool ordered) {
    for (const auto& row : rows) {
        std::string table = first_cell(row);
        std::string rest = row.substr(table.size() + 1);
        std::string position = first_cell(rest);
        rest = rest.substr(position.size() + 1);
        shape.columns[table].push_back(first_cell(rest));
        shape.lines.push_back("column " + table + "." + (ordered ? position + ":" : "") + rest);
    }
}

void add(Shape& shape, const char* what, const std::vector<std::string>& rows) {
    for (const auto& row : rows) shape.lines.push_back(std::string(what) + " " + row);
}

std::string literal(const std::string& s) { return "'" + s + "'"; }

}  // namespace

std::string Shape::text() const {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

Shape shape_of(const Endpoint& e) {
    Shape shape;
    if (e.product == "SQLite") {
        const std::string tables =
            " FROM sqlite_master m JOIN %s WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\'";
        auto from = [&](const std::string& pragma) {
            std::string t = tables;
            return t.replace(t.find("%s"), 2, pragma);
        };
        add_columns(shape,
                    e.rows("SELECT m.name, p.cid, p.name, p.type, p.\"notnull\", p.dflt_value, p.pk" +
                           from("pragma_table_info(m.name) p") + " ORDER BY m.name, p.cid"),
                    true);
        add(shape, "index",
            e.rows("SELECT m.name, CASE WHEN l.origin = 'c' THEN l.name ELSE '' END, l.\"unique\", l.origin, "
                   "(SELECT group_concat(name, ',') FROM (SELECT name FROM pragma_index_info(l.name) ORDER BY seqno))" +
                   from("pragma_index_list(m.name) l")));
        add(shape, "foreign key",
            e.rows("SELECT m.name, f.\"from\", f.\"table\", f.\"to\", f.on_update, f.on_delete" +
                   from("pragma_foreign_key_list(m.name) f")));
    } else if (e.product == "PostgreSQL") {
        const std::string s = literal(e.schema);
        add_columns(shape,
                    e.rows("SELECT table_name, ordinal_position, column_name, data_type, character_maximum_length, "
                           "is_nullable, column_default FROM information_schema.columns WHERE table_schema = " +
                           s + " ORDER BY table_name, ordinal_position"),
                    false);
        add(shape, "constraint",
            e.rows("SELECT cl.relname, co.conname, co.contype, pg_get_constraintdef(co.oid), coalesce(rn.nspname, '') "
                   "FROM pg_constraint co JOIN pg_class cl ON cl.oid = co.conrelid "
                   "JOIN pg_namespace n ON n.oid = cl.relnamespace LEFT JOIN pg_class rc ON rc.oid = co.confrelid "
                   "LEFT JOIN pg_namespace rn ON rn.oid = rc.relnamespace WHERE n.nspname = " +
                   s));
        add(shape, "index", e.rows("SELECT tablename, indexname, indexdef FROM pg_indexes WHERE schemaname = " + s));
    } else {
        const std::string d = literal(e.database);
        add_columns(shape,
                    e.rows("SELECT TABLE_NAME, ORDINAL_POSITION, COLUMN_NAME, COLUMN_TYPE, IS_NULLABLE, COLUMN_DEFAULT, "
                           "EXTRA FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = " +
                           d + " ORDER BY TABLE_NAME, ORDINAL_POSITION"),
                    true);
        add(shape, "index",
            e.rows("SELECT TABLE_NAME, INDEX_NAME, NON_UNIQUE, GROUP_CONCAT(COLUMN_NAME ORDER BY SEQ_IN_INDEX) "
                   "FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = " +
                   d + " GROUP BY TABLE_NAME, INDEX_NAME, NON_UNIQUE"));
        add(shape, "foreign key",
            e.rows("SELECT k.TABLE_NAME, k.CONSTRAINT_NAME, k.COLUMN_NAME, k.REFERENCED_TABLE_SCHEMA, "
                   "k.REFERENCED_TABLE_NAME, k.REFERENCED_COLUMN_NAME, r.UPDATE_RULE, r.DELETE_RULE "
                   "FROM information_schema.KEY_COLUMN_USAGE k JOIN information_schema.REFERENTIAL_CONSTRAINTS r "
                   "ON r.CONSTRAINT_SCHEMA = k.CONSTRAINT_SCHEMA AND r.CONSTRAINT_NAME = k.CONSTRAINT_NAME "
                   "AND r.TABLE_NAME = k.TABLE_NAME WHERE k.TABLE_SCHEMA = " +
                   d + " AND k.REFERENCED_TABLE_NAME IS NOT NULL"));
    }
    for (auto& line : shape.lines) line = own(line, e.database == "main" ? e.schema == "main" ? "" : e.schema : e.database == e.schema ? e.database : e.schema);
    std::sort(shape.lines.begin(), shape.lines.end());
    return shape;
}

std::vector<std::pair<std::string, std::vector<std::string>>> kept_rows(const Endpoint& source, const Endpoint& target) {
    std::vector<std::pair<std::string, std::vector<std::string>>> out;
    auto theirs = shape_of(source).columns;
    for (const auto& [table, columns] : shape_of(target).columns) {
        auto other = theirs.find(table);
        if (other == theirs.end()) continue;
        std::string list;
        for (const auto& c : columns)
            if (std::find(other->second.begin(), other->second.end(), c) != other->second.end())
                list += (list.empty() ? "" : ", ") + target.q(c);
        if (list.empty()) continue;
        std::string sql = "SELECT " + list + " FROM " + target.q(table) + " ORDER BY 1";
        out.emplace_back(sql, target.rows(sql));
    }
    return out;
}

gobj::Ref<rezezadovu::transform::StructureSynchronizer> structure_job(
    const Endpoint& source, const Endpoint& target, const std::vector<std::string>& tables,
    const gobj::Ref<rezezadovu::contracts::ThreadProgress>& progress) {
    using rezezadovu::transform::StructureSynchronizer;
    using IConnectionRef = gobj::Ref<rezezadovu::contracts::database::IConnection>;
    std::vector<std::pair<std::string, std::string>> o = {
        {key("OPTION", "SOURCE", "DATABASE"), source.database}, {key("OPTION", "SOURCE", "SCHEMA"), source.schema},
        {key("OPTION", "TARGET", "DATABASE"), target.database}, {key("OPTION", "TARGET", "SCHEMA"), target.schema},
        {key("OPTION", "RESULT", "CONTINUE"), "true"}};
    for (const auto& t : tables) o.push_back({key("OPTION", "table", t), ""});
    auto j = StructureSynchronizer::create(StructureSynchronizer::gtype(), options(o).get());
    j->set_server_source(IConnectionRef::retain(source.connection.instance()));
    j->set_server_target(IConnectionRef::retain(target.connection.instance()));
    j->set_progress(progress);
    j->initialize();
    return j;
}

}  // namespace transform_test
