#include "rezezadovu/supports/database/postgresql/catalog.hpp"

#include <algorithm>
#include <map>
#include <initializer_list>

#include "providers/gobj/convert.hpp"
#include "providers/gobj/log.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

TARVELIN_LOG_TAG("postgres_adapter")

namespace tarvelin::rezezadovu::supports::database::postgresql {

namespace {

using Sql = PostgreSQLStatement;

std::string stripped(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && g_ascii_isspace(text[b])) ++b;
    while (e > b && g_ascii_isspace(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

bool identifier_char(char c) { return g_ascii_isalnum(c) || c == '_' || (static_cast<unsigned char>(c) >= 0x80); }

// Walks an SQL text the way the server reads it: quoted identifiers ("a""b"), string
// literals ('it''s', E'a\'b'), parentheses and brackets. Positions inside quotes are
// never reported, and only positions outside every parenthesis and bracket match.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    // The first position >= from where `word` starts at depth 0 outside quotes.
    size_t find(std::string_view word, size_t from) const {
        int depth = 0;
        for (size_t i = 0; i < text_.size();) {
            if (i >= from && depth == 0 && text_.compare(i, word.size(), word) == 0) return i;
            i = step(i, depth);
        }
        return std::string_view::npos;
    }
    // The position of the ")" that closes the "(" at `open`, or npos.
    size_t closing(size_t open) const {
        int depth = 0;
        for (size_t i = open; i < text_.size();) {
            char c = text_[i];
            if (c == ')' && depth == 1) return i;
            i = step(i, depth);
        }
        return std::string_view::npos;
    }

private:
    // The position after the token at i, counting parentheses.
    size_t step(size_t i, int& depth) const {
        char c = text_[i];
        if (c == '(' || c == '[') {
            ++depth;
            return i + 1;
        }
        if (c == ')' || c == ']') {
            --depth;
            return i + 1;
        }
        if (c == '"') return past_quote(i, '"', false);
        if (c == '\'') {
            bool escapes = i > 0 && (text_[i - 1] == 'E' || text_[i - 1] == 'e') &&
                           (i < 2 || !identifier_char(text_[i - 2]));
            return past_quote(i, '\'', escapes);
        }
        return i + 1;
    }
    size_t past_quote(size_t i, char quote, bool escapes) const {
        for (size_t j = i + 1; j < text_.size(); ++j) {
            if (escapes && text_[j] == '\\') {
                ++j;
                continue;
            }
            if (text_[j] == quote) {
                if (j + 1 < text_.size() && text_[j + 1] == quote) {
                    ++j;
                    continue;
                }
                return j + 1;
            }
        }
        return text_.size();
    }

    std::string_view text_;
};

// The text inside the parentheses opening at `open`, or none.
std::optional<std::string> inside(std::string_view text, size_t open) {
    if (open >= text.size() || text[open] != '(') return std::nullopt;
    size_t close = Scanner(text).closing(open);
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(text.substr(open + 1, close - open - 1));
}

size_t skip_blanks(std::string_view text, size_t i) {
    while (i < text.size() && g_ascii_isspace(text[i])) ++i;
    return i;
}

// A query text with each "%s" replaced by the next argument.
std::string fill(std::string_view format, std::initializer_list<std::string> args) {
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

// " AND <column> = <name>" to read one object; nothing to read the whole schema.
std::string only(std::string_view column, std::optional<std::string_view> name) {
    return name ? " AND " + std::string(column) + " = " + Sql::literal(*name) : std::string();
}

}  // namespace

// ---------------------------------------------------------------- server texts

std::string without_braces(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '{' && c != '}') out += c;
    return out;
}

std::vector<std::string> parse_array(std::string_view text) {
    std::vector<std::string> out;
    if (text.size() < 2 || text.front() != '{' || text.back() != '}') return out;
    std::string_view body = text.substr(1, text.size() - 2);
    if (body.empty()) return out;
    std::string item;
    bool quoted = false, was_quoted = false;
    for (size_t i = 0; i < body.size(); ++i) {
        char c = body[i];
        if (quoted) {
            if (c == '\\' && i + 1 < body.size()) {
                item += body[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                item += c;
            }
        } else if (c == '"') {
            quoted = was_quoted = true;
        } else if (c == ',') {
            out.push_back(!was_quoted && item == "NULL" ? std::string() : item);
            item.clear();
            was_quoted = false;
        } else if (c == '\\' && i + 1 < body.size()) {
            item += body[++i];
        } else {
            item += c;
        }
    }
    out.push_back(!was_quoted && item == "NULL" ? std::string() : item);
    return out;
}

std::vector<std::string> split_words(std::string_view text) {
    std::vector<std::string> out;
    std::string word;
    for (char c : text) {
        if (g_ascii_isspace(c)) {
            if (!word.empty()) out.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) out.push_back(std::move(word));
    return out;
}

std::vector<std::string> split_top_level(std::string_view text) {
    std::vector<std::string> out;
    if (stripped(text).empty()) return out;
    Scanner scan(text);
    size_t start = 0;
    for (;;) {
        size_t comma = scan.find(",", start);
        if (comma == std::string_view::npos) break;
        out.push_back(stripped(text.substr(start, comma - start)));
        start = comma + 1;
    }
    out.push_back(stripped(text.substr(start)));
    return out;
}

TriggerParts parse_trigger_definition(std::string_view definition) {
    TriggerParts parts;
    Scanner scan(definition);
    size_t from = scan.find(" FOR EACH ", 0);
    if (from == std::string_view::npos) from = 0;
    size_t when = scan.find(" WHEN (", from);
    size_t execute_from = from;
    if (when != std::string_view::npos) {
        size_t open = when + 6;
        if (auto cond = inside(definition, open)) {
            parts.when = *cond;
            execute_from = scan.closing(open);
        }
    }
    size_t execute = scan.find(" EXECUTE ", execute_from);
    if (execute == std::string_view::npos) return parts;
    parts.body = std::string(definition.substr(execute + 1));
    size_t open = Scanner(parts.body).find("(", 0);
    if (open != std::string::npos) parts.arguments = inside(parts.body, open);
    return parts;
}

RuleParts parse_rule_definition(std::string_view definition) {
    RuleParts parts;
    Scanner scan(definition);
    size_t where = scan.find(" WHERE ", 0);
    size_t do_from = 0;
    if (where != std::string_view::npos) {
        size_t open = skip_blanks(definition, where + 7);
        if (auto cond = inside(definition, open)) {
            parts.where = stripped(*cond);
            do_from = scan.closing(open);
        }
    }
    size_t action = scan.find(" DO ", do_from);
    if (action == std::string_view::npos) return parts;
    size_t i = skip_blanks(definition, action + 4);
    for (std::string_view word : {"ALSO", "INSTEAD"}) {
        if (definition.compare(i, word.size(), word) == 0 &&
            (i + word.size() == definition.size() || !identifier_char(definition[i + word.size()]))) {
            i += word.size();
            break;
        }
    }
    parts.commands = stripped(definition.substr(i));
    return parts;
}

ExclusionParts parse_exclusion_definition(std::string_view definition) {
    ExclusionParts parts;
    Scanner scan(definition);
    size_t using_at = scan.find("USING ", 0);
    if (using_at == std::string_view::npos) return parts;
    size_t b = skip_blanks(definition, using_at + 6), e = b;
    while (e < definition.size() && identifier_char(definition[e])) ++e;
    auto elements = inside(definition, skip_blanks(definition, e));
    if (!elements) return parts;
    parts.method = std::string(definition.substr(b, e - b));
    parts.elements = stripped(*elements);
    return parts;
}

// ---------------------------------------------------------------- queries

bool before_routine_kinds(std::string_view version) {
    return version.starts_with("9.") || version.starts_with("10.");
}

std::string database_query(std::string_view database) {
    return fill(
        "SELECT pg_get_userbyid(d.datdba) AS owner, pg_encoding_to_char(d.encoding) AS charset, d.datcollate, "
        "d.datctype, d.datistemplate, d.datallowconn, d.datconnlimit, t.spcname, "
        "shobj_description(d.oid, 'pg_database') AS description "
        "FROM pg_database d LEFT JOIN pg_tablespace t ON d.dattablespace = t.oid WHERE d.datname = %s",
        {Sql::literal(database)});
}

std::string extensions_query() {
    return "SELECT e.extname, e.extversion FROM pg_catalog.pg_extension e INNER JOIN pg_catalog.pg_namespace n "
           "ON e.extnamespace = n.oid ORDER BY e.extname ASC;";
}

std::string schemas_query(std::string_view database) {
    return fill(
        "SELECT schema_name FROM information_schema.schemata WHERE NOT (schema_name LIKE 'pg_toast%' OR "
        "schema_name LIKE 'pg_temp%') AND catalog_name = %s;",
        {Sql::literal(database)});
}

std::string schema_owner_query(std::string_view database, std::string_view schema) {
    return fill("SELECT s.schema_owner, obj_description(n.oid, 'pg_namespace') AS comment "
                "FROM information_schema.schemata s LEFT JOIN pg_namespace n ON n.nspname = s.schema_name "
                "WHERE s.catalog_name = %s and s.schema_name = %s;",
                {Sql::literal(database), Sql::literal(schema)});
}

std::string schema_tables_query(std::string_view database, std::string_view schema) {
    return fill(
        "SELECT table_name, table_type FROM information_schema.tables WHERE table_type in ('BASE TABLE', 'VIEW') "
        "AND table_catalog = %s AND table_schema = %s ORDER BY table_type ASC, table_name ASC;",
        {Sql::literal(database), Sql::literal(schema)});
}

// Routines a reader can fill and a builder can write: no aggregates, nothing of the
// system schemas, no extension members (their extension recreates them).
std::string schema_routines_query(std::string_view schema, bool kinds) {
    return fill(std::string("SELECT pr.proname, ") +
                    (kinds ? "pr.prokind" : "CASE WHEN pr.proiswindow THEN 'w' ELSE 'f' END AS prokind") +
                    " FROM pg_proc pr INNER JOIN pg_namespace ns ON ns.oid = pr.pronamespace WHERE ns.nspname = %s"
                    " AND ns.nspname NOT IN ('pg_catalog', 'information_schema') AND " +
                    (kinds ? "pr.prokind <> 'a'" : "NOT pr.proisagg") +
                    " AND NOT EXISTS (SELECT 1 FROM pg_depend d WHERE d.classid = 'pg_proc'::regclass"
                    " AND d.objid = pr.oid AND d.deptype = 'e') ORDER BY pr.proname ASC, pr.oid ASC;",
                {Sql::literal(schema)});
}

std::string schema_materialized_query(std::string_view schema) {
    return fill(
        "SELECT c.oid AS oid, v.schemaname AS schemaname, v.matviewname AS mviewname, c.relacl AS acl, "
        "c.reloptions AS param, v.ispopulated AS ispopulated, v.matviewowner AS mviewowner, t.spcname AS tablespace, "
        "v.definition AS definition, obj_description(c.oid, 'pg_class') AS comment "
        "FROM pg_matviews v INNER JOIN pg_namespace mn ON mn.nspname = v.schemaname "
        "INNER JOIN pg_class c ON c.relname = v.matviewname AND c.relnamespace = mn.oid "
        "LEFT JOIN pg_tablespace t ON v.tablespace = t.spcname WHERE v.schemaname = %s ORDER BY v.matviewname ASC",
        {Sql::literal(schema)});
}

std::string view_query(std::string_view schema, std::optional<std::string_view> view) {
    return fill(
        "SELECT C.oid, C.relname AS view_name, C.reloptions AS OPTIONS, pg_get_userbyid(C.relowner) AS viewowner, "
        "obj_description(C.oid, 'pg_class') AS description, pg_get_viewdef(C.oid,TRUE) AS definition "
        "FROM pg_class C LEFT JOIN pg_namespace n ON C.relnamespace=n.oid "
        "WHERE C.relkind='v'::\"char\" AND n.nspname=%s%s",
        {Sql::literal(schema), only("C.relname", view)});
}

std::string columns_query(std::string_view schema, std::optional<std::string_view> table) {
    return fill(
        "SELECT col.table_schema AS schema_name, col.table_name, col.column_name, col.character_maximum_length, "
        "col.is_nullable, col.numeric_precision, col.numeric_scale, col.datetime_precision, col.ordinal_position, "
        "b.atttypmod, b.attndims, col.data_type AS col_type, et.typelem, et.typlen, et.typtype, "
        "nbt.nspname AS elem_schema, bt.typname AS elem_name, b.atttypid, col.udt_schema, col.udt_name, "
        "col.domain_catalog, col.domain_schema, col.domain_name, "
        "col_description(c.oid, col.ordinal_position) AS comment, col.column_default AS col_default, "
        "col.is_identity, col.identity_generation, col.identity_start, col.identity_increment, "
        "col.identity_maximum, col.identity_minimum, col.identity_cycle, b.attacl, "
        "colnsp.nspname AS collation_schema_name, coll.collname, c.relkind, b.attfdwoptions AS foreign_options, "
        "etn.nspname AS type_schema, format_type(b.atttypid, b.atttypmod) AS type_text, "
        "b.attstattarget AS statistics, b.attnotnull AS not_null "
        "FROM information_schema.columns AS col "
        "LEFT JOIN pg_namespace ns ON ns.nspname = col.table_schema "
        "LEFT JOIN pg_class c ON col.table_name = c.relname AND c.relnamespace = ns.oid "
        "LEFT JOIN pg_attrdef a ON c.oid = a.adrelid AND col.ordinal_position = a.adnum "
        "LEFT JOIN pg_attribute b ON b.attrelid = c.oid AND b.attname = col.column_name "
        "LEFT JOIN pg_type et ON et.oid = b.atttypid LEFT JOIN pg_namespace etn ON etn.oid = et.typnamespace "
        "LEFT JOIN pg_collation coll ON coll.oid = b.attcollation "
        "LEFT JOIN pg_namespace colnsp ON coll.collnamespace = colnsp.oid "
        "LEFT JOIN pg_type bt ON et.typelem = bt.oid LEFT JOIN pg_namespace nbt ON bt.typnamespace = nbt.oid "
        "WHERE col.table_schema = %s%s "
        "ORDER BY col.table_schema, col.table_name, col.ordinal_position",
        {Sql::literal(schema), only("col.table_name", table)});
}

// The whole schema's columns with the same values as columns_query's, read from the
// catalogue itself: the information schema's view, asked for every table at once, costs
// twice as much. Its rules are kept: the data type's words, the length, precision and
// scale of a domain's base, the identity sequence's parameters, columns the user may see.
std::string schema_columns_query(std::string_view schema) {
    return fill(
        "SELECT nc.nspname AS schema_name, c.relname AS table_name, a.attname::information_schema.sql_identifier "
        "AS column_name, "
        "information_schema._pg_char_max_length(information_schema._pg_truetypid(a.*, t.*), "
        "information_schema._pg_truetypmod(a.*, t.*))::information_schema.cardinal_number AS character_maximum_length, "
        "(CASE WHEN a.attnotnull OR (t.typtype = 'd' AND t.typnotnull) THEN 'NO' ELSE 'YES' END)"
        "::information_schema.yes_or_no AS is_nullable, "
        "information_schema._pg_numeric_precision(information_schema._pg_truetypid(a.*, t.*), "
        "information_schema._pg_truetypmod(a.*, t.*))::information_schema.cardinal_number AS numeric_precision, "
        "information_schema._pg_numeric_scale(information_schema._pg_truetypid(a.*, t.*), "
        "information_schema._pg_truetypmod(a.*, t.*))::information_schema.cardinal_number AS numeric_scale, "
        "information_schema._pg_datetime_precision(information_schema._pg_truetypid(a.*, t.*), "
        "information_schema._pg_truetypmod(a.*, t.*))::information_schema.cardinal_number AS datetime_precision, "
        "a.attnum::information_schema.cardinal_number AS ordinal_position, a.atttypmod, a.attndims, "
        "(CASE WHEN t.typtype = 'd' THEN CASE WHEN bt.typelem <> 0 AND bt.typlen = -1 THEN 'ARRAY' "
        "WHEN nbt.nspname = 'pg_catalog' THEN format_type(t.typbasetype, NULL) ELSE 'USER-DEFINED' END "
        "ELSE CASE WHEN t.typelem <> 0 AND t.typlen = -1 THEN 'ARRAY' "
        "WHEN nt.nspname = 'pg_catalog' THEN format_type(a.atttypid, NULL) ELSE 'USER-DEFINED' END END)"
        "::information_schema.character_data AS col_type, "
        "t.typelem, t.typlen, t.typtype, nelem.nspname AS elem_schema, elem.typname AS elem_name, a.atttypid, "
        "COALESCE(nbt.nspname, nt.nspname)::information_schema.sql_identifier AS udt_schema, "
        "COALESCE(bt.typname, t.typname)::information_schema.sql_identifier AS udt_name, "
        "(CASE WHEN t.typtype = 'd' THEN current_database() END)::information_schema.sql_identifier "
        "AS domain_catalog, "
        "(CASE WHEN t.typtype = 'd' THEN nt.nspname END)::information_schema.sql_identifier AS domain_schema, "
        "(CASE WHEN t.typtype = 'd' THEN t.typname END)::information_schema.sql_identifier AS domain_name, "
        "col_description(c.oid, a.attnum) AS comment, "
        "(CASE WHEN a.attgenerated = '' THEN pg_get_expr(ad.adbin, ad.adrelid) END)"
        "::information_schema.character_data AS col_default, "
        "(CASE WHEN a.attidentity IN ('a', 'd') THEN 'YES' ELSE 'NO' END)::information_schema.yes_or_no "
        "AS is_identity, "
        "(CASE a.attidentity WHEN 'a' THEN 'ALWAYS' WHEN 'd' THEN 'BY DEFAULT' END)"
        "::information_schema.character_data AS identity_generation, "
        "seq.seqstart::information_schema.character_data AS identity_start, "
        "seq.seqincrement::information_schema.character_data AS identity_increment, "
        "seq.seqmax::information_schema.character_data AS identity_maximum, "
        "seq.seqmin::information_schema.character_data AS identity_minimum, "
        "(CASE WHEN seq.seqcycle THEN 'YES' ELSE 'NO' END)::information_schema.yes_or_no AS identity_cycle, "
        "a.attacl, colnsp.nspname AS collation_schema_name, coll.collname, c.relkind, "
        "a.attfdwoptions AS foreign_options, nt.nspname AS type_schema, "
        "format_type(a.atttypid, a.atttypmod) AS type_text, a.attstattarget AS statistics, a.attnotnull AS not_null "
        "FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid JOIN pg_namespace nc ON nc.oid = c.relnamespace "
        "LEFT JOIN pg_attrdef ad ON ad.adrelid = a.attrelid AND ad.adnum = a.attnum "
        "JOIN pg_type t ON t.oid = a.atttypid JOIN pg_namespace nt ON nt.oid = t.typnamespace "
        "LEFT JOIN (pg_type bt JOIN pg_namespace nbt ON nbt.oid = bt.typnamespace) "
        "ON t.typtype = 'd' AND t.typbasetype = bt.oid "
        "LEFT JOIN pg_type elem ON elem.oid = t.typelem LEFT JOIN pg_namespace nelem ON nelem.oid = elem.typnamespace "
        "LEFT JOIN pg_collation coll ON coll.oid = a.attcollation "
        "LEFT JOIN pg_namespace colnsp ON colnsp.oid = coll.collnamespace "
        "LEFT JOIN (pg_depend dep JOIN pg_sequence seq ON dep.classid = 'pg_class'::regclass "
        "AND dep.objid = seq.seqrelid AND dep.deptype = 'i') ON dep.refclassid = 'pg_class'::regclass "
        "AND dep.refobjid = c.oid AND dep.refobjsubid = a.attnum "
        "WHERE nc.nspname = %s AND NOT pg_is_other_temp_schema(nc.oid) AND a.attnum > 0 AND NOT a.attisdropped "
        "AND c.relkind IN ('r', 'v', 'f', 'p') "
        "AND (pg_has_role(c.relowner, 'USAGE') OR has_column_privilege(c.oid, a.attnum, "
        "'SELECT, INSERT, UPDATE, REFERENCES')) "
        "ORDER BY c.relname, a.attnum",
        {Sql::literal(schema)});
}

// Defaults depend on the sequences they call (pg_attrdef rows in pg_depend), owned
// sequences on their column ("a"), identity sequences on theirs ("i"). The information
// schema lists no identity sequence: the columns query gives those parameters.
std::string sequences_query(std::string_view schema, std::optional<std::string_view> table) {
    return fill(
        "WITH t AS (SELECT c.oid, c.relname FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
        "WHERE n.nspname = %s%s), "
        "l AS (SELECT d.refobjid AS seq, ad.adrelid AS rel, ad.adnum AS attnum, "
        "CASE WHEN EXISTS (SELECT 1 FROM pg_depend o WHERE o.classid = 'pg_class'::regclass AND o.objid = d.refobjid "
        "AND o.refclassid = 'pg_class'::regclass AND o.refobjid = ad.adrelid AND o.refobjsubid = ad.adnum "
        "AND o.deptype = 'a') THEN 'a' ELSE 'n' END AS link "
        "FROM pg_attrdef ad JOIN t ON ad.adrelid = t.oid JOIN pg_depend d ON d.classid = 'pg_attrdef'::regclass "
        "AND d.objid = ad.oid AND d.refclassid = 'pg_class'::regclass "
        "UNION ALL SELECT d.objid, d.refobjid, d.refobjsubid, 'i' FROM pg_depend d JOIN t ON d.refobjid = t.oid "
        "WHERE d.classid = 'pg_class'::regclass AND d.refclassid = 'pg_class'::regclass AND d.deptype = 'i') "
        "SELECT t.relname AS table_name, a.attname AS column_name, sn.nspname AS sequence_schema, "
        "s.relname AS sequence_name, l.link, "
        "q.data_type, q.start_value, q.minimum_value, "
        "q.maximum_value, q.increment, q.cycle_option "
        "FROM l JOIN t ON t.oid = l.rel JOIN pg_class s ON s.oid = l.seq AND s.relkind = 'S' "
        "JOIN pg_namespace sn ON sn.oid = s.relnamespace JOIN pg_attribute a ON a.attrelid = t.oid AND a.attnum = l.attnum "
        "LEFT JOIN information_schema.sequences q ON q.sequence_schema = sn.nspname AND q.sequence_name = s.relname "
        "ORDER BY a.attnum, l.link, sn.nspname, s.relname",
        {Sql::literal(schema), only("c.relname", table)});
}

namespace {
std::string sequences_select(const std::string& filter) {
    return "SELECT q.sequence_schema, q.sequence_name, q.data_type, q.start_value, q.minimum_value, q.maximum_value, "
           "q.increment, q.cycle_option FROM information_schema.sequences q" +
           filter + " ORDER BY q.sequence_schema, q.sequence_name;";
}
}  // namespace

std::string named_sequences_query(const std::vector<std::pair<std::string, std::string>>& names) {
    std::string pairs;
    for (const auto& [schema, name] : names)
        pairs += (pairs.empty() ? "" : ", ") + std::string("(") + Sql::literal(schema) + ", " + Sql::literal(name) + ")";
    if (pairs.empty()) return {};
    return sequences_select(" WHERE (q.sequence_schema, q.sequence_name) IN (" + pairs + ")");
}

std::string every_sequence_query() { return sequences_select(""); }

// Enum and domain types the table's columns are of (through arrays and the base types of
// domains), each before the types it is made from come after: by creation (oid).
std::string user_types_query(std::string_view schema, std::optional<std::string_view> table) {
    return fill(
        "WITH RECURSIVE used(rel, oid) AS ("
        "SELECT a.attrelid, CASE WHEN et.typelem <> 0 AND et.typcategory = 'A' THEN et.typelem ELSE et.oid END "
        "FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
        "JOIN pg_namespace n ON n.oid = c.relnamespace JOIN pg_type et ON et.oid = a.atttypid "
        "WHERE n.nspname = %s%s AND c.relkind IN ('r', 'p', 'f') AND a.attnum > 0 AND NOT a.attisdropped "
        "UNION SELECT u.rel, CASE WHEN b.typelem <> 0 AND b.typcategory = 'A' THEN b.typelem ELSE b.oid END "
        "FROM used u JOIN pg_type d ON d.oid = u.oid AND d.typtype = 'd' JOIN pg_type b ON b.oid = d.typbasetype) "
        "SELECT r.relname AS table_name, t.oid, tn.nspname AS type_schema, t.typname AS type_name, t.typtype, "
        "(SELECT string_agg(quote_literal(e.enumlabel), ', ' ORDER BY e.enumsortorder) FROM pg_enum e "
        "WHERE e.enumtypid = t.oid) AS labels, "
        "CASE WHEN bn.nspname = 'pg_catalog' THEN format_type(t.typbasetype, t.typtypmod) "
        "ELSE quote_ident(bn.nspname) || '.' || quote_ident(b.typname) END AS base_type, "
        "CASE WHEN t.typcollation <> b.typcollation THEN quote_ident(cn.nspname) || '.' || quote_ident(co.collname) "
        "END AS collation, t.typdefault AS default_value, t.typnotnull AS not_null, "
        "(SELECT string_agg('CONSTRAINT ' || quote_ident(k.conname) || ' ' || pg_get_constraintdef(k.oid), ' ' "
        "ORDER BY k.conname) FROM pg_constraint k WHERE k.contypid = t.oid) AS checks, "
        "obj_description(t.oid, 'pg_type') AS comment "
        "FROM used u JOIN pg_class r ON r.oid = u.rel JOIN pg_type t ON t.oid = u.oid AND t.typtype IN ('e', 'd') "
        "JOIN pg_namespace tn ON tn.oid = t.typnamespace LEFT JOIN pg_type b ON b.oid = t.typbasetype "
        "LEFT JOIN pg_namespace bn ON bn.oid = b.typnamespace "
        "LEFT JOIN pg_collation co ON co.oid = t.typcollation LEFT JOIN pg_namespace cn ON cn.oid = co.collnamespace "
        "ORDER BY t.oid;",
        {Sql::literal(schema), only("c.relname", table)});
}

std::string column_names_query(std::string_view schema, std::string_view table) {
    return fill("SELECT a.attname AS column_name FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
                "JOIN pg_namespace n ON n.oid = c.relnamespace "
                "WHERE n.nspname = %s AND c.relname = %s AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum;",
                {Sql::literal(schema), Sql::literal(table)});
}

// The key's columns in key order, read from the catalogue itself: the information
// schema's constraint views cost tens of milliseconds a table.
std::string primary_query(std::string_view schema, std::optional<std::string_view> table) {
    return fill(
        "SELECT current_database() AS table_catalog, n.nspname AS table_schema, c.relname AS table_name, "
        "k.n AS ordinal_position, a.attname AS column_name, con.conname AS constraint_name "
        "FROM pg_constraint con JOIN pg_class c ON c.oid = con.conrelid JOIN pg_namespace n ON n.oid = c.relnamespace "
        "CROSS JOIN LATERAL unnest(con.conkey) WITH ORDINALITY AS k(attnum, n) "
        "JOIN pg_attribute a ON a.attrelid = con.conrelid AND a.attnum = k.attnum "
        "WHERE con.contype = 'p' AND n.nspname = %s%s ORDER BY k.n;",
        {Sql::literal(schema), only("c.relname", table)});
}

// Indexes that no primary key, unique or exclusion constraint owns (those are read as
// constraints); an index's other dependencies, such as an extension's operator class,
// do not make it a constraint's. Columns no reader reads are NULLs in their places.
std::string table_indexes_query(std::string_view schema, std::optional<std::string_view> table) {
    return fill(
        "SELECT ci.relname AS index_name, con.conname, i.indexrelid AS oid, ct.relname AS table_name, "
        "i.indrelid AS table_oid, am.amname AS index_type, i.indisunique AS is_unique, "
        "i.indisclustered AS is_clustered, i.indisprimary AS is_primary, "
        "pg_get_expr(i.indpred, i.indrelid, true) AS constraint, "
        "NULL::name AS tablespace_name, NULL::name AS owner, ci.reloptions, i.indkey, i.indclass, i.indnatts, "
        "i.indoption, i.indcollation AS collation, ci.relpages AS index_pages, "
        "obj_description(indexrelid, 'pg_class') AS comment, NULL::text as ddl "
        "FROM pg_index i JOIN pg_class ct ON ct.oid = i.indrelid JOIN pg_class ci ON ci.oid = i.indexrelid "
        "JOIN pg_namespace ins ON ins.oid = ci.relnamespace LEFT JOIN pg_am am ON ci.relam = am.oid "
        "LEFT JOIN pg_constraint con ON con.conindid = i.indexrelid AND con.conrelid = i.indrelid "
        "AND con.contype IN ('p', 'u', 'x') "
        "WHERE ins.nspname = %s AND conname IS NULL%s ORDER BY index_name;",
        {Sql::literal(schema), only("ct.relname", table)});
}

// Key columns in key order, each with the words it differs from the default by (a
// collation other than its column's, an operator class that is not its type's default,
// the order), then the INCLUDE columns (included: true). A key that is a column comes
// as the column's name, unquoted as the model keeps names; an expression as the server
// prints it. Operator classes come schema-qualified, so an expression's are told from
// it.
namespace {
std::string table_index_keys_select(const std::string& filter) {
    return
        "SELECT i.indexrelid AS index_oid, CASE WHEN i.indkey[k.n - 1] <> 0 THEN a.attname::text "
        "ELSE pg_get_indexdef(i.indexrelid, k.n, true) END AS column_definition, "
        "k.n > i.indnkeyatts AS included, "
        "CASE WHEN k.n <= i.indnkeyatts AND i.indkey[k.n - 1] <> 0 AND coll.oid IS NOT NULL "
        "AND coll.oid <> a.attcollation THEN quote_ident(cn.nspname) || '.' || quote_ident(coll.collname) "
        "END AS column_collation, "
        "CASE WHEN k.n <= i.indnkeyatts AND NOT opc.opcdefault "
        "THEN quote_ident(opn.nspname) || '.' || quote_ident(opc.opcname) END AS column_class, "
        "CASE WHEN pg_index_column_has_property(i.indexrelid, k.n, 'desc') "
        "THEN CASE WHEN pg_index_column_has_property(i.indexrelid, k.n, 'nulls_first') "
        "THEN 'DESC' ELSE 'DESC NULLS LAST' END "
        "WHEN pg_index_column_has_property(i.indexrelid, k.n, 'nulls_first') THEN 'NULLS FIRST' "
        "ELSE '' END AS column_order "
        "FROM pg_index i CROSS JOIN generate_series(1, i.indnatts) AS k(n) "
        "LEFT JOIN pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = i.indkey[k.n - 1] "
        "LEFT JOIN pg_collation coll ON coll.oid = i.indcollation[k.n - 1] "
        "LEFT JOIN pg_namespace cn ON cn.oid = coll.collnamespace "
        "LEFT JOIN pg_opclass opc ON k.n <= i.indnkeyatts AND opc.oid = i.indclass[k.n - 1] "
        "LEFT JOIN pg_namespace opn ON opn.oid = opc.opcnamespace "
        "WHERE " + filter + " ORDER BY k.n;";
}
}  // namespace

std::string table_index_keys_query(guint64 index_oid) {
    return table_index_keys_select(gobj::take_string(g_strdup_printf("i.indexrelid = %" G_GUINT64_FORMAT, index_oid)));
}

std::string schema_index_keys_query(std::string_view schema) {
    return table_index_keys_select(
        "i.indexrelid IN (SELECT ci.oid FROM pg_class ci JOIN pg_namespace ins ON ins.oid = ci.relnamespace "
        "WHERE ins.nspname = " + Sql::literal(schema) + ")");
}

namespace {
// One row per trigger: the events and the UPDATE OF columns come joined by ",".
std::string trigger_select(std::string_view filter) {
    return std::string(
               "SELECT t.oid AS oid, n.nspname AS trigger_schema, t.tgname AS trigger_name, "
               "c.relname AS trigger_table_name, "
               "concat_ws(',', CASE WHEN (t.tgtype::integer & 4) <> 0 THEN 'INSERT' END, "
               "CASE WHEN (t.tgtype::integer & 8) <> 0 THEN 'DELETE' END, "
               "CASE WHEN (t.tgtype::integer & 16) <> 0 THEN 'UPDATE' END, "
               "CASE WHEN (t.tgtype::integer & 32) <> 0 THEN 'TRUNCATE' END) AS event_manipulation, "
               "c.relkind AS trigger_table_type, nsp.nspname AS referenced_table_schema, "
               "cs.relname AS referenced_table, t.tgdeferrable AS is_deferrable, t.tginitdeferred AS is_deferred, "
               "np.nspname AS function_schema, p.proname AS function_name, "
               "pg_get_triggerdef(t.oid) AS definition, "
               "CASE WHEN (t.tgtype::integer & 1) = 1 THEN 'ROW' ELSE 'STATEMENT' END AS for_each, "
               "CASE WHEN (t.tgtype::integer & 2) = 2 THEN 'BEFORE' "
               "WHEN (t.tgtype::integer & 64) = 64 THEN 'INSTEAD OF' ELSE 'AFTER' END AS fire_time, "
               "t.tgenabled AS enabled, "
               "(SELECT string_agg(quote_ident(a.attname), ',' ORDER BY k.n) FROM unnest(t.tgattr::int2[]) WITH ORDINALITY "
               "AS k(attnum, n) JOIN pg_attribute a ON a.attrelid = t.tgrelid AND a.attnum = k.attnum) "
               "AS update_columns, "
               "t.tgconstraint AS tgconstraint, obj_description(t.oid, 'pg_trigger') AS comment "
               "FROM pg_trigger t INNER JOIN pg_class c ON t.tgrelid = c.oid "
               "LEFT JOIN pg_namespace n ON c.relnamespace = n.oid LEFT JOIN pg_proc p ON t.tgfoid = p.oid "
               "LEFT JOIN pg_namespace np ON p.pronamespace = np.oid "
               "LEFT JOIN pg_class cs ON t.tgconstrrelid = cs.oid "
               "LEFT JOIN pg_namespace nsp ON cs.relnamespace = nsp.oid ") +
           std::string(filter);
}
}  // namespace

std::string triggers_query(std::string_view schema, std::optional<std::string_view> table) {
    return trigger_select(fill("WHERE n.nspname = %s%s AND t.tgisinternal = FALSE "
                               "ORDER BY c.relname, t.tgname ASC",
                               {Sql::literal(schema), only("c.relname", table)}));
}

std::string trigger_query(std::string_view schema, std::string_view trigger) {
    return trigger_select(fill("WHERE n.nspname = %s AND t.tgname = %s AND t.tgisinternal = FALSE "
                               "ORDER BY c.relname ASC;",
                               {Sql::literal(schema), Sql::literal(trigger)}));
}

std::string rules_query(std::string_view schema, std::optional<std::string_view> table) {
    return fill(
        "SELECT n.nspname AS rule_schema, c.relname, r.rulename, r.oid, r.ev_type, r.is_instead, r.ev_enabled, "
        "pg_get_ruledef(r.oid) AS definition, obj_description(r.oid, 'pg_rewrite') AS comment "
        "FROM ((pg_rewrite r JOIN pg_class c ON ((c.oid = r.ev_class))) "
        "LEFT JOIN pg_namespace n ON ((n.oid = c.relnamespace))) "
        "WHERE (r.rulename <> '_RETURN'::name) AND (n.nspname=%s)%s ORDER BY c.relname, r.oid ASC",
        {Sql::literal(schema), only("c.relname", table)});
}

namespace {
// The names of a constraint's columns in key order, as SQL writes them (quoted where a
// name needs it, so a name holding a comma stays one), joined by ", ".
std::string key_names(const char* keys, const char* relation, const char* alias) {
    return std::string("(SELECT string_agg(quote_ident(a.attname), ', ' ORDER BY k.n) FROM unnest(") + keys +
           ") WITH ORDINALITY AS k(attnum, n) JOIN pg_attribute a ON a.attrelid = " + relation +
           " AND a.attnum = k.attnum) AS " + alias;
}
}  // namespace

// The columns no reader reads (tablespace, storage options, access method and predicate
// of a constraint's index) stay in their places as NULLs: their joins cost more than
// the rest of the query.
std::string constraints_query(std::string_view schema, std::optional<std::string_view> table, char type,
                              bool with_check_source) {
    std::string q =
        "SELECT C.oid, C.conname, C.contype, C.condeferrable, C.condeferred, C.conkey, C.confupdtype, "
        "C.confdeltype, C.confmatchtype, ";
    // The check's expression alone (pg_get_constraintdef wraps it in CHECK (...)).
    if (with_check_source) q += "pg_get_expr(C.conbin, C.conrelid) as consrc, ";
    q += "T.relname AS tablename, fns.nspname AS foreign_schema, f.relname AS foreign_table, "
         "obj_description (C.oid, 'pg_constraint') AS COMMENT, NULL::name AS spcname, NULL::text[] AS param, "
         "C.conindid, NULL::name AS amname, NULL::text AS where_predicate, T.relkind, connoinherit, " +
         key_names("C.conkey", "C.conrelid", "local_columns") + ", " +
         key_names("C.confkey", "C.confrelid", "refer_columns") +
         " FROM pg_constraint C JOIN pg_class T ON (C.conrelid=T.oid) JOIN pg_namespace ns ON (T.relnamespace=ns.oid) "
         "LEFT JOIN pg_class f ON (C.confrelid=f.oid) LEFT JOIN pg_namespace fns ON (f.relnamespace=fns.oid) "
         "WHERE ns.nspname=%s%s AND c.contype = '" +
         std::string(1, type) + "' ORDER BY T.relname, C.conname;";
    return fill(q, {Sql::literal(schema), only("T.relname", table)});
}

std::string uniques_query(std::string_view schema, std::optional<std::string_view> table) {
    return fill(
        "SELECT c.oid, c.conname, c.contype, c.condeferrable, c.condeferred, c.conkey, c.confupdtype, "
        "c.confdeltype, c.confmatchtype, NULL::text AS consrc, t.relname AS tablename, "
        "NULL::name AS foreign_schema, NULL::name AS foreign_table, obj_description(c.oid, 'pg_constraint') AS comment, "
        "NULL::name AS spcname, NULL::text[] AS param, c.conindid, NULL::name AS amname, "
        "NULL::text AS where_predicate, t.relkind, c.connoinherit, NULL::text[] AS reloptions, " +
            key_names("c.conkey", "c.conrelid", "key_columns") +
            " FROM pg_constraint c JOIN pg_class t ON (c.conrelid = t.oid) "
            "JOIN pg_namespace ns ON (t.relnamespace = ns.oid) "
            "WHERE contype = 'u' AND ns.nspname = %s%s ORDER BY t.relname, c.conname;",
        {Sql::literal(schema), only("t.relname", table)});
}

std::string exclusions_query(std::string_view schema, std::optional<std::string_view> table) {
    return fill(
        "SELECT con.oid, con.conname, ns.nspname, cl.relname AS TABLE_NAME, condeferrable, condeferred, "
        "ix.reloptions, conexclop, pg_catalog.pg_get_constraintdef (con.oid, TRUE) AS con_ddl, "
        "obj_description (con.oid, 'pg_constraint') AS COMMENT "
        "FROM pg_constraint con LEFT JOIN pg_class cl ON con.conrelid = cl.oid "
        "LEFT JOIN pg_namespace ns ON ns.oid = con.connamespace LEFT JOIN pg_class ix ON ix.oid = con.conindid "
        "WHERE ns.nspname = %s%s AND con.contype = 'x' ORDER BY con.conname;",
        {Sql::literal(schema), only("cl.relname", table)});
}

// The clustered index and the foreign-table columns are not read: NULLs in their places.
std::string options_query(std::string_view schema, std::optional<std::string_view> table, bool with_oids) {
    std::string q =
        "SELECT c.oid, n.nspname AS schemaname, c.relname AS tablename, c.relacl, "
        "pg_get_userbyid(c.relowner) AS tableowner, obj_description(c.oid, 'pg_class') AS description, c.relkind, "
        "NULL::name As cluster, ";
    if (with_oids) q += "c.relhasoids AS hasoids, ";
    q += "c.relhasindex AS hasindexes, c.relhasrules AS hasrules, t.spcname AS tablespace, c.reloptions AS param, "
         "c.relhastriggers AS hastriggers, c.relpersistence AS unlogged, NULL::text[] AS ftoptions, "
         "NULL::name AS srvname, ";
    if (!with_oids) q += "c.relispartition, pg_get_expr(c.relpartbound, c.oid) AS relpartbound, ";
    q += "c.reltuples, ((SELECT count(*) FROM pg_inherits WHERE inhparent = c.oid) > 0) AS inhtable, "
         "i2.nspname AS inhschemaname, i2.relname AS inhtablename "
         "FROM pg_class c LEFT JOIN pg_namespace n ON n.oid = c.relnamespace "
         "LEFT JOIN pg_tablespace t ON t.oid = c.reltablespace "
         "LEFT JOIN (pg_inherits i INNER JOIN pg_class c2 ON i.inhparent = c2.oid "
         "LEFT JOIN pg_namespace n2 ON n2.oid = c2.relnamespace) i2 ON i2.inhrelid = c.oid AND i2.inhseqno = 1 "
         "WHERE (c.relkind = 'r'::\"char\" OR c.relkind = 'f'::\"char\" OR c.relkind = 'p'::\"char\") "
         "AND n.nspname = %s%s ORDER BY schemaname, tablename";
    return fill(q, {Sql::literal(schema), only("c.relname", table)});
}

std::string index_query(std::string_view schema, std::string_view index) {
    return fill(
        "SELECT i.indexrelid AS oid, ci.relname AS index_name, ct.relname AS TABLE_NAME, am.amname AS index_type, "
        "i.indisunique AS is_unique, i.indisclustered AS is_clustered, i.indisprimary AS is_primary, "
        "pg_get_expr (i.indpred,i.indrelid,TRUE) AS CONSTRAINT, ts.spcname AS tablespace_name, pa.rolname AS OWNER, "
        "ci.reloptions, i.indnatts, i.indkey, i.indcollation AS COLLATION, i.indclass, i.indoption, "
        "obj_description (indexrelid, 'pg_class') AS COMMENT "
        "FROM pg_index i LEFT JOIN pg_class ct ON ct.oid=i.indrelid LEFT JOIN pg_class ci ON ci.oid=i.indexrelid "
        "LEFT JOIN pg_namespace tns ON tns.oid=ct.relnamespace LEFT JOIN pg_namespace ins ON ins.oid=ci.relnamespace "
        "LEFT JOIN pg_tablespace ts ON ci.reltablespace=ts.oid LEFT JOIN pg_am am ON ci.relam=am.oid "
        "LEFT JOIN pg_roles pa ON pa.oid=ci.relowner WHERE ins.nspname=%s AND ci.relname=%s",
        {Sql::literal(schema), Sql::literal(index)});
}

// Per key position: its column's name (unquoted) or its expression, its own collation
// and operator class, and its order where the access method orders (gist and hash have
// none).
std::string index_keys_query(guint64 index_oid) {
    gchar* text = g_strdup_printf(
        "SELECT CASE WHEN i.indkey[k.n - 1] <> 0 THEN a.attname::text "
        "ELSE pg_get_indexdef(i.indexrelid, k.n, true) END AS column_definition, cn.nspname AS collation_schema, "
        "coll.collname AS collation_name, opn.nspname AS class_schema, opc.opcname AS class_name, "
        "CASE WHEN pg_index_column_has_property(i.indexrelid, k.n, 'orderable') "
        "THEN CASE WHEN pg_index_column_has_property(i.indexrelid, k.n, 'asc') THEN 'ASC' ELSE 'DESC' END "
        "ELSE '' END AS corder, "
        "CASE WHEN pg_index_column_has_property(i.indexrelid, k.n, 'orderable') "
        "THEN CASE WHEN pg_index_column_has_property(i.indexrelid, k.n, 'nulls_first') THEN 'FIRST' ELSE 'LAST' END "
        "ELSE '' END AS nulls_order "
        "FROM pg_index i CROSS JOIN generate_series(1, i.indnatts) AS k(n) "
        "LEFT JOIN pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = i.indkey[k.n - 1] "
        "LEFT JOIN pg_collation coll ON coll.oid = i.indcollation[k.n - 1] "
        "LEFT JOIN pg_namespace cn ON cn.oid = coll.collnamespace "
        "LEFT JOIN pg_opclass opc ON opc.oid = i.indclass[k.n - 1] "
        "LEFT JOIN pg_namespace opn ON opn.oid = opc.opcnamespace "
        "WHERE i.indexrelid = %" G_GUINT64_FORMAT " ORDER BY k.n;",
        index_oid);
    std::string out(text);
    g_free(text);
    return out;
}

// ---------------------------------------------------------------- sequences

std::string sequence_parameters(const SequenceParameters& p) {
    std::string out;
    if (!p.type.empty() && p.type != "bigint") out += "AS " + p.type + " ";
    out += "START WITH " + p.start + " INCREMENT BY " + p.increment + " MINVALUE " + p.minimum + " MAXVALUE " +
           p.maximum + (p.cycle == "YES" ? " CYCLE" : " NO CYCLE");
    return out;
}

std::optional<SequenceName> sequence_called(std::string_view default_value) {
    std::string lower = gobj::take_string(g_ascii_strdown(default_value.data(), static_cast<gssize>(default_value.size())));
    size_t at = lower.find("nextval(");
    if (at == std::string::npos) return std::nullopt;
    at += 8;
    while (at < default_value.size() && (default_value[at] == '(' || g_ascii_isspace(default_value[at]))) ++at;
    if (at >= default_value.size() || default_value[at] != '\'') return std::nullopt;
    // The literal's text.
    std::string name;
    size_t i = at + 1;
    for (; i < default_value.size(); ++i) {
        if (default_value[i] != '\'') {
            name += default_value[i];
        } else if (i + 1 < default_value.size() && default_value[i + 1] == '\'') {
            name += '\'';
            ++i;
        } else {
            break;
        }
    }
    if (i >= default_value.size()) return std::nullopt;
    // Its parts as the server reads a qualified name: quoted ones as they are, others
    // folded to lower case.
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (size_t k = 0; k < name.size(); ++k) {
        char c = name[k];
        if (c == '"') {
            if (quoted && k + 1 < name.size() && name[k + 1] == '"') {
                parts.back() += '"';
                ++k;
            } else {
                quoted = !quoted;
            }
        } else if (c == '.' && !quoted) {
            parts.emplace_back();
        } else {
            parts.back() += quoted ? c : g_ascii_tolower(c);
        }
    }
    if (parts.size() > 2 || parts.back().empty()) return std::nullopt;
    if (parts.size() == 1) return SequenceName{"", parts[0]};
    return SequenceName{parts[0], parts[1]};
}

std::string sequence_option_key(std::string_view column) { return "SEQUENCE." + std::string(column); }
std::string primary_name_key() { return "PRIMARY_NAME"; }
bool sized_apart(std::string_view type) {
    return type == "character varying" || type == "character" || type == "numeric" || type == "bit varying";
}
std::string statistics_option_key(std::string_view column) { return "STATISTICS." + std::string(column); }
std::string type_option_key(int position, std::string_view schema, std::string_view name) {
    return gobj::take_string(g_strdup_printf("TYPE.%03d ", position)) + Sql::qualified(schema, name);
}
std::string type_comment_key(std::string_view schema, std::string_view name) {
    return "TYPE_COMMENT." + Sql::qualified(schema, name);
}

std::vector<UserType> user_types(const std::vector<std::pair<std::string, std::string>>& options) {
    std::map<std::string, std::string> comments;
    std::vector<std::pair<std::string, std::string>> types;
    const std::string type_mark = "TYPE.", comment_mark = "TYPE_COMMENT.";
    for (const auto& [key, value] : options) {
        if (key.rfind(comment_mark, 0) == 0) comments[key.substr(comment_mark.size())] = value;
        else if (key.rfind(type_mark, 0) == 0 && key.size() > type_mark.size() + 4) types.emplace_back(key, value);
    }
    std::sort(types.begin(), types.end());
    std::vector<UserType> out;
    for (const auto& [key, value] : types) {
        UserType type{key.substr(type_mark.size() + 4), {}, {}};
        const bool is_enum = value.rfind("ENUM ", 0) == 0;
        type.statement = is_enum ? "CREATE TYPE " + type.name + " AS " + value
                                 : "CREATE DOMAIN " + type.name + " AS " + value.substr(value.find(' ') + 1);
        if (auto comment = comments.find(type.name); comment != comments.end())
            type.comment = std::string("COMMENT ON ") + (is_enum ? "TYPE " : "DOMAIN ") + type.name + " IS " +
                           Sql::literal(comment->second);
        out.push_back(std::move(type));
    }
    return out;
}

std::string sequence_option(std::string_view table_schema, std::string_view sequence_schema,
                            std::string_view sequence, std::string_view parameters) {
    std::string out = sequence_schema == table_schema ? Sql::quoted(sequence) : Sql::qualified(sequence_schema, sequence);
    if (!parameters.empty()) out += " " + std::string(parameters);
    return out;
}

namespace {
// The quoted identifier at `at` ("a""b" gives a"b) and the position after it.
std::optional<std::pair<std::string, size_t>> quoted_at(std::string_view text, size_t at) {
    if (at >= text.size() || text[at] != '"') return std::nullopt;
    std::string out;
    for (size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] != '"') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            return std::make_pair(out, i + 1);
        }
    }
    return std::nullopt;
}
}  // namespace

std::optional<SequenceOption> parse_sequence_option(std::string_view option) {
    auto first = quoted_at(option, 0);
    if (!first) return std::nullopt;
    SequenceOption out;
    size_t rest = first->second;
    if (rest < option.size() && option[rest] == '.') {
        auto second = quoted_at(option, rest + 1);
        if (!second) return std::nullopt;
        out.schema = first->first;
        out.name = second->first;
        rest = second->second;
    } else {
        out.name = first->first;
    }
    if (rest < option.size() && !g_ascii_isspace(option[rest])) return std::nullopt;
    out.parameters = stripped(option.substr(rest));
    return out;
}

std::string identity_text(std::string_view generation, std::string_view table, std::string_view column,
                          std::string_view sequence, const SequenceParameters& p) {
    const std::string head = "GENERATED " + std::string(generation);
    auto number = [](const std::string& t) { return g_ascii_strtoll(t.c_str(), nullptr, 10); };
    gint64 low = G_MININT64, high = G_MAXINT64;
    if (p.type == "smallint") low = G_MININT16, high = G_MAXINT16;
    if (p.type == "integer") low = G_MININT32, high = G_MAXINT32;
    const gint64 step = p.increment.empty() ? 1 : number(p.increment);
    const gint64 minimum = step > 0 ? 1 : low, maximum = step > 0 ? high : -1;
    const gint64 start = step > 0 ? minimum : maximum;
    std::string options;
    auto differs = [&](const std::string& value, gint64 usual) { return !value.empty() && number(value) != usual; };
    if (!sequence.empty() && sequence != std::string(table) + "_" + std::string(column) + "_seq")
        options += " SEQUENCE NAME " + Sql::quoted(sequence);
    if (differs(p.start, start)) options += " START WITH " + p.start;
    if (step != 1) options += " INCREMENT BY " + p.increment;
    if (differs(p.minimum, minimum)) options += " MINVALUE " + p.minimum;
    if (differs(p.maximum, maximum)) options += " MAXVALUE " + p.maximum;
    if (p.cycle == "YES") options += " CYCLE";
    if (options.empty()) return head;
    return head + " AS IDENTITY (" + options.substr(1) + ")";
}

// ---------------------------------------------------------------- accounts

std::string acl_name(std::string_view name) {
    bool plain = !name.empty();
    for (char c : name)
        if (!(g_ascii_isalnum(c) || c == '_')) plain = false;
    return plain ? std::string(name) : Sql::quoted(name);
}

std::string acl_pattern(std::string_view name) {
    std::string item = acl_name(name), in_array;
    // An array element holding a double quote is quoted, its quotes and backslashes
    // escaped.
    for (char c : item) {
        if (item.front() == '"' && (c == '"' || c == '\\')) in_array += '\\';
        in_array += c;
    }
    std::string out = "E'%";
    for (char c : in_array) {
        if (c == '%' || c == '_' || c == '\\') out += "\\\\";  // LIKE's escape, as the E-string writes it
        if (c == '\\') out += "\\";
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "%'";
}

std::string memberships_query(std::string_view name) {
    return fill(
        "SELECT r1.rolname AS role, r2.rolname AS member_name, m.admin_option AS admin_option FROM pg_roles r1, "
        "pg_auth_members m, pg_roles r2 WHERE r1.oid = m.roleid AND m.member = r2.oid AND "
        "(r1.rolname = %s OR r2.rolname = %s) ORDER BY role",
        {Sql::literal(name), Sql::literal(name)});
}

std::vector<std::string> privilege_queries(std::string_view name, bool kinds) {
    const std::string p = acl_pattern(name);
    return {
        "SELECT datname AS name, datacl AS acl FROM pg_database WHERE datacl::varchar like " + p + ";",
        "SELECT spcname, spcacl FROM pg_tablespace WHERE spcacl::varchar like " + p + ";",
        "SELECT nspname AS name, nspacl AS acl FROM pg_namespace WHERE nspacl::varchar like " + p + ";",
        "SELECT rel.relname, nsp.nspname, rel.relkind, rel.relacl FROM pg_class rel INNER JOIN pg_namespace nsp "
        "ON rel.relnamespace = nsp.oid WHERE rel.relkind IN ('r','v','S','m', 'f') AND rel.relacl::varchar LIKE " +
            p + ";",
        "SELECT nsp.nspname, rel.relname, att.attname, att.attacl FROM pg_attribute att LEFT JOIN pg_class rel "
        "ON att.attrelid = rel.oid LEFT JOIN pg_namespace nsp ON nsp.oid = rel.relnamespace "
        "WHERE NOT pg_is_other_temp_schema(nsp.oid) AND att.attnum > 0 AND NOT att.attisdropped "
        "AND rel.relkind = ANY(ARRAY['r', 'v']) AND attacl::varchar LIKE " +
            p + ";",
        std::string("SELECT pro.proname, pro.proargtypes,pro.proargnames, pro.proargmodes, pro.proallargtypes, ") +
            (kinds ? "pro.prokind" : "CASE WHEN pro.proisagg THEN 'a' ELSE 'f' END AS prokind") +
            ", nsp.nspname, CASE WHEN pro.prorettype = 'trigger'::regtype THEN 1 ELSE 0 END AS istrigger, "
            "pro.proacl FROM pg_proc pro INNER JOIN pg_namespace nsp ON pro.pronamespace = nsp.oid "
            "WHERE pro.proacl::varchar LIKE " +
            p + ";",
        "SELECT lanname, lanacl FROM pg_language WHERE lanacl::varchar LIKE " + p + ";",
        "SELECT srvname AS name, srvacl AS acl FROM pg_foreign_server WHERE srvacl::varchar like " + p + ";",
        "SELECT fdwname AS name, fdwacl AS acl FROM pg_foreign_data_wrapper WHERE fdwacl::varchar like " + p + ";",
    };
}

std::string routine_query(std::string_view schema, std::optional<std::string_view> routine, bool kinds) {
    return fill(std::string("SELECT ") +
                    (kinds ? "p.prokind AS prokind"
                           : "CASE WHEN p.proisagg THEN 'a' WHEN p.proiswindow THEN 'w' ELSE 'f' END AS prokind") +
                    ", p.proname AS routine_name, pg_get_userbyid(p.proowner) AS funcowner, typns.nspname AS rettypeschema, "
                    "typ.typname AS rettypname, l.lanname AS lang, p.prosecdef AS securitydefiner, "
                    "p.proisstrict AS strict, p.proretset AS returnset, p.provolatile AS volatile, "
                    "p.prosrc AS definition, p.probin AS objfile, p.proargnames AS paramnames, "
                    "p.proargmodes AS parammodes, p.proallargtypes AS paramalltypes, p.proconfig AS configparams, "
                    "pg_get_expr(p.proargdefaults,'pg_proc'::regclass) AS defaultvalues, "
                    "obj_description(p.oid, 'pg_proc') AS comment, p.proargtypes AS paramtypes "
                    "FROM pg_proc p LEFT JOIN pg_type typ ON typ.oid = p.prorettype "
                    "LEFT JOIN pg_namespace typns ON typns.oid = typ.typnamespace "
                    "LEFT JOIN pg_namespace n ON n.oid = p.pronamespace LEFT JOIN pg_language l ON l.oid = p.prolang "
                    "WHERE " +
                    (kinds ? "p.prokind <> 'a'" : "NOT p.proisagg") +
                    " AND n.nspname = %s%s ORDER BY p.proname ASC, p.oid ASC;",
                {Sql::literal(schema), only("p.proname", routine)});
}

namespace {
std::string type_names_select(const std::string& oids) {
    return "SELECT t.oid, concat(quote_ident(n.nspname), '.', quote_ident(t.typname)) as tname FROM pg_type t "
           "LEFT JOIN pg_namespace n ON t.typnamespace = n.oid WHERE t.oid IN (" +
           oids + ");";
}
}  // namespace

std::string type_names_query(const std::vector<std::string>& oids) {
    std::vector<std::string> seen;
    std::string list;
    for (const auto& oid : oids) {
        if (oid.empty() || oid.find_first_not_of("0123456789") != std::string::npos) continue;
        if (std::find(seen.begin(), seen.end(), oid) != seen.end()) continue;
        seen.push_back(oid);
        list += (list.empty() ? "" : ",") + oid;
    }
    if (list.empty()) return {};
    return type_names_select(list);
}

std::string schema_type_names_query(std::string_view schema) {
    return type_names_select(
        "SELECT unnest(coalesce(p.proallargtypes, p.proargtypes::oid[])) FROM pg_proc p "
        "JOIN pg_namespace pn ON pn.oid = p.pronamespace WHERE pn.nspname = " + Sql::literal(schema));
}

}  // namespace tarvelin::rezezadovu::supports::database::postgresql
