// The quoting and literal tables: the statement's quote_identifier (with and without a
// schema) and pack_value over texts of every awkward kind. Each result must read back as
// the text it was made from: by the product's own quoting rule as text, and on a live
// product through the server (a column alias named by the quoted name, a SELECT of the
// literal).
#include "conformance/context.hpp"

namespace tarvelin::test::dialects {
namespace {

constexpr auto kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;

struct Text {
    const char* row;
    std::string text;
};

const std::vector<Text>& texts() {
    static const std::vector<Text> all = {
        {"Plain", "orders"},
        {"SingleQuote", "it's"},
        {"DoubleQuote", "say \"hi\""},
        {"Backquote", "a`b"},
        {"Brackets", "[a]]b]"},
        {"Backslash", "a\\b"},
        {"BackslashQuote", "a\\'b\\"},
        {"ControlCharacters", "tab\there\nline\rend\x01\x1f"},
        {"NonAscii", "zürich_表_ß"},
        {"Empty", ""},
    };
    return all;
}


std::string quote(Context& ctx, const std::string& name, const std::string& schema = "") {
    return take_text(tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(ctx.statement(), name.c_str(),
                                                                                  schema.c_str()));
}

std::string literal(Context& ctx, const std::string& text) {
    return take_text(tarvelin_rezezadovu_contracts_database_istatement_pack_value(ctx.statement(), kString, text.c_str()));
}

// The text inside `quoted` when it is `open`, the text with each `close` doubled (and, with
// `escapes`, each backslash escaping the next character), and `close`; "(malformed)"
// otherwise.
std::string unquote(const std::string& quoted, const std::string& open, char close, bool escapes = false) {
    if (quoted.compare(0, open.size(), open) != 0 || quoted.size() < open.size() + 1 || quoted.back() != close)
        return "(malformed)";
    std::string out;
    const size_t end = quoted.size() - 1;
    for (size_t i = open.size(); i < end; ++i) {
        char c = quoted[i];
        if (escapes && c == '\\') {
            if (i + 1 >= end) return "(malformed)";
            out += quoted[++i];
        } else if (c == close) {
            if (i + 1 >= end || quoted[i + 1] != close) return "(malformed)";
            out += quoted[++i];
        } else {
            out += c;
        }
    }
    return out;
}

const bool registered = [] {
    for (const Text& t : texts()) {
        const std::string text = t.text;
        register_case("Quote", t.row, [text](Context& ctx) {
            const std::string q = quote(ctx, text);
            EXPECT_EQ(unquote(q, ctx.identifier_quotes.substr(0, 1), ctx.identifier_quotes[1]), text) << q;
            EXPECT_EQ(quote(ctx, text, "app"), quote(ctx, "app") + "." + q) << "with a schema";
            if (!ctx.can.live || text.empty()) return;
            // A column alias takes any quoted name the product takes.
            EXPECT_EQ(ctx.column_names("SELECT 1 AS " + q), std::vector<std::string>{text}) << q;
        });
        register_case("Literal", t.row, [text](Context& ctx) {
            const std::string l = literal(ctx, text);
            EXPECT_EQ(unquote(l, ctx.literal_prefix + "'", '\'', ctx.literal_escapes), text) << l;
            if (!ctx.can.live) return;
            EXPECT_EQ(ctx.rows("SELECT " + l), std::vector<std::string>{text}) << l;
        });
    }
    return true;
}();

}  // namespace
}  // namespace tarvelin::test::dialects
