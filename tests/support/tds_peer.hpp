// A scripted TDS peer: a tiny SQL Server stand-in for the tests.
//
// No SQL Server runs on the test machines, so the SQL Server driver is exercised
// against this peer through the real FreeTDS db-lib. The peer listens on 127.0.0.1
// (an ephemeral port) on its own thread and speaks enough of TDS 7.1 to 7.4 for
// db-lib to
//   - pre-login (it answers "encryption not supported", so nothing is encrypted),
//   - log in (LOGINACK with the database, collation, language and packet-size
//     ENVCHANGEs and the 5701/5703 informational messages SQL Server sends), or be
//     refused (ERROR 18456 and a DONE with the error flag),
//   - send SQL batches and read back what the script says: column metadata, rows,
//     DONE tokens with row counts, INFO and ERROR tokens, several results per batch,
//   - cancel (an attention is answered with a DONE carrying the attention flag).
//
// The script is a table "SQL text -> response", matched on the exact text of the
// batch (then on the text with surrounding white space trimmed). A batch that is not
// in the table gets the default response: an empty DONE for "SET ..." and "USE ..."
// (db-lib sends some on its own) and an error 2812 naming the text otherwise, so a
// test that sends something unexpected sees it.
//
//   tarvelin::test::TdsPeer peer;
//   peer.set_credentials("sa", "secret");            // others are refused
//   peer.script("SELECT id, name FROM t",
//               TdsResponse().result({{"id", TdsType::Int}, {"name", TdsType::NVarChar}},
//                                    {{"1", "one"}, {"2", std::nullopt}}));
//   peer.script("UPDATE t SET x = 1", TdsResponse().count(3));
//   connect to peer.server_name()                     // "127.0.0.1:<port>"
//
// Cells are texts (std::nullopt is SQL NULL), encoded by the column's type:
//   integers and bit: decimal digits ("-7", "1"); float/real: "2.5";
//   decimal/money: "-12.345" (scaled to the column's scale; money to 4 places);
//   datetime/smalldatetime/datetime2: "YYYY-MM-DD hh:mm:ss[.fffffff]"; date: "YYYY-MM-DD";
//   time: "hh:mm:ss[.fffffff]"; datetimeoffset: "YYYY-MM-DD hh:mm:ss[.fff] +hh:mm"
//   (local date and time and their offset; the wire carries UTC and the offset);
//   before TDS 7.3 the four newer date types travel as nvarchar texts, as SQL Server
//   sends them to old clients;
//   uniqueidentifier: "6F9619FF-8B86-D011-B42D-00C04FC964FF";
//   nvarchar: UTF-8 (sent as UTF-16); varchar: UTF-8 (sent as Windows-1252);
//   varbinary: the raw bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvelin::test {

enum class TdsType {
    TinyInt,
    SmallInt,
    Int,
    BigInt,
    Bit,
    Real,
    Float,
    SmallMoney,
    Money,
    SmallDateTime,
    DateTime,
    Decimal,
    UniqueIdentifier,
    VarChar,
    NVarChar,
    VarBinary,
    Date,            // TDS 7.3 and later
    Time,            // TDS 7.3 and later
    DateTime2,       // TDS 7.3 and later
    DateTimeOffset,  // TDS 7.3 and later
};

struct TdsColumn {
    std::string name;
    TdsType type = TdsType::Int;
    // A nullable column travels as the variable-length form of its type (INTN, FLTN ...);
    // a NOT NULL one as the fixed form, as SQL Server sends them.
    bool nullable = true;
    int length = 0;      // varchar/nvarchar/varbinary: maximum length in bytes (0: 8000)
    int precision = 18;  // decimal
    int scale = 0;       // decimal; time, datetime2, datetimeoffset (0..7)
};

using TdsCell = std::optional<std::string>;
using TdsRow = std::vector<TdsCell>;

// What the peer answers to one batch, item by item. Each result set and each count
// ends with a DONE token; DONE tokens that are not the last carry the "more" flag.
class TdsResponse {
public:
    // A result set: COLMETADATA, one ROW per row, DONE with the row count.
    TdsResponse& result(std::vector<TdsColumn> columns, std::vector<TdsRow> rows);
    // A statement without a result set: DONE with this row count.
    TdsResponse& count(std::uint64_t rows);
    // A statement without a result set and without a count (DONE flags 0).
    TdsResponse& done();
    // An informational message (INFO token, severity 10 or below).
    TdsResponse& info(int number, std::string text, int severity = 0, int state = 1);
    // A server error (ERROR token); follow it with fail() to end the statement with
    // the DONE error flag, as SQL Server does.
    TdsResponse& error(int number, int severity, std::string text, int state = 1, int line = 1);
    // A DONE with the error flag: the statement failed.
    TdsResponse& fail();
    // Close the connection instead of answering (a server that went away).
    TdsResponse& disconnect();

    struct Item;
    const std::vector<std::shared_ptr<const Item>>& items() const { return items_; }

private:
    std::vector<std::shared_ptr<const Item>> items_;
};

// What a client sent in its login packet.
struct TdsLogin {
    std::uint32_t tds_version = 0;  // as sent, e.g. 0x74000004
    std::string host_name, user_name, password, app_name, server_name, library_name, language, database;
    bool integrated_security = false;
};

class TdsPeer {
public:
    TdsPeer();
    ~TdsPeer();
    TdsPeer(const TdsPeer&) = delete;
    TdsPeer& operator=(const TdsPeer&) = delete;

    int port() const;
    // "127.0.0.1:<port>", the server name db-lib connects to.
    std::string server_name() const;

    // Only this user with this password may log in (by default anyone may).
    void set_credentials(std::string user, std::string password);
    // The database a login lands in when it names none (default "master").
    void set_default_database(std::string name);

    // Answer `sql` with `response` from now on (replacing an earlier entry).
    void script(std::string sql, TdsResponse response);

    // SQL texts received, oldest first, and logins seen (refused ones included).
    std::vector<std::string> batches() const;
    std::vector<TdsLogin> logins() const;
    int attentions() const;
    void clear_history();

    struct State;

private:
    std::shared_ptr<State> state_;
};

}  // namespace tarvelin::test
