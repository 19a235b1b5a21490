#include "rezezadovu/transform/statement_splitter.hpp"

#include <glib.h>

#include <array>

#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("statement_splitter")

namespace tarvelin::rezezadovu::transform {

namespace {

bool identifier_char(char c) {
    return g_ascii_isalnum(c) || c == '_' || c == '$' || static_cast<unsigned char>(c) >= 0x80;
}
bool word_start(char c) { return g_ascii_isalpha(c) || c == '_'; }

std::string_view trimmed(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && g_ascii_isspace(text[begin])) ++begin;
    while (end > begin && g_ascii_isspace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool equals_ci(std::string_view a, std::string_view b) {
    return a.size() == b.size() && g_ascii_strncasecmp(a.data(), b.data(), a.size()) == 0;
}

template <size_t N>
bool one_of(const std::string& word, const std::array<const char*, N>& words) {
    for (const char* w : words)
        if (word == w) return true;
    return false;
}

// The end of the line that starts at `at` (its '\n' or the end of the text).
size_t line_end(std::string_view text, size_t at) {
    size_t end = text.find('\n', at);
    return end == std::string_view::npos ? text.size() : end;
}

bool go_line(std::string_view text, size_t at) { return equals_ci(trimmed(text.substr(at, line_end(text, at) - at)), "GO"); }

bool has_go_lines(std::string_view text) {
    for (size_t at = 0; at < text.size(); at = line_end(text, at) + 1)
        if (go_line(text, at)) return true;
    return false;
}

class Splitter {
public:
    Splitter(std::string_view text, SplitOptions options)
        : text_(text), options_(options), batches_(has_go_lines(text)) {}

    std::vector<std::string> run() {
        const size_t n = text_.size();
        size_t i = 0;
        while (i < n) {
            if (batches_ && (i == 0 || text_[i - 1] == '\n') && go_line(text_, i)) {
                emit(i);
                i = line_end(text_, i);
                start_ = i;
                continue;
            }
            i = step(i);
        }
        emit(n);
        return std::move(pieces_);
    }

private:
    // Handles the token at i; gives the position after it.
    size_t step(size_t i) {
        const size_t n = text_.size();
        const char c = text_[i];
        const char next = i + 1 < n ? text_[i + 1] : '\0';
        if ((c == '-' && next == '-') || (c == '#' && options_.backslash_escapes)) return line_end(text_, i);
        if (c == '/' && next == '*') {
            size_t close = text_.find("*/", i + 2);
            return close == std::string_view::npos ? n : close + 2;
        }
        if (g_ascii_isspace(c)) return i + 1;
        code_ = true;
        switch (c) {
            case '\'': {
                // E'...' of PostgreSQL escapes with the backslash whatever the dialect.
                bool e_string = i > 0 && (text_[i - 1] == 'E' || text_[i - 1] == 'e') &&
                                (i < 2 || !identifier_char(text_[i - 2]));
                return after_quoted(i + 1, '\'', options_.backslash_escapes || e_string);
            }
            case '"': return after_quoted(i + 1, '"', options_.backslash_escapes);
            case '`': return after_quoted(i + 1, '`', false);
            case '[': return after_quoted(i + 1, ']', false);
            case '$': return after_dollar(i);
            case '(': head_closed_ = true; return i + 1;
            case ';':
                if (depth_ == 0 && !(batches_ && runs_to_batch_end_)) {
                    emit(i);
                    start_ = i + 1;
                }
                return i + 1;
            default: break;
        }
        if (word_start(c) && (i == 0 || !identifier_char(text_[i - 1]))) return after_word(i);
        return i + 1;
    }

    // After the closing `close`; a doubled closing character stands for itself.
    size_t after_quoted(size_t i, char close, bool backslash) const {
        const size_t n = text_.size();
        while (i < n) {
            char c = text_[i];
            if (backslash && c == '\\') {
                i += 2;
                continue;
            }
            if (c == close) {
                if (i + 1 < n && text_[i + 1] == close) {
                    i += 2;
                    continue;
                }
                return i + 1;
            }
            ++i;
        }
        return n;
    }

    // $tag$ ... $tag$ (the tag may be empty); a lone "$" or "$1" is an ordinary character.
    size_t after_dollar(size_t i) const {
        const size_t n = text_.size();
        if (i > 0 && identifier_char(text_[i - 1])) return i + 1;
        size_t j = i + 1;
        if (j < n && word_start(text_[j]))
            while (j < n && (g_ascii_isalnum(text_[j]) || text_[j] == '_')) ++j;
        if (j >= n || text_[j] != '$') return i + 1;
        std::string_view tag = text_.substr(i, j - i + 1);
        size_t close = text_.find(tag, j + 1);
        return close == std::string_view::npos ? n : close + tag.size();
    }

    size_t after_word(size_t i) {
        const size_t n = text_.size();
        size_t j = i;
        while (j < n && (g_ascii_isalnum(text_[j]) || text_[j] == '_')) ++j;
        std::string word(text_.substr(i, j - i));
        for (char& ch : word) ch = g_ascii_toupper(ch);
        if (!head_closed_ && head_.size() < 8) learn_head(word);
        if (!blocks_) return j;
        if (word == "BEGIN" || word == "CASE") {
            ++depth_;
        } else if (word == "END" && depth_ > 0) {
            static constexpr std::array<const char*, 5> kLoops = {"IF", "LOOP", "WHILE", "REPEAT", "FOR"};
            if (!one_of(next_word(j), kLoops)) --depth_;
        }
        return j;
    }

    std::string next_word(size_t j) const {
        const size_t n = text_.size();
        while (j < n && g_ascii_isspace(text_[j])) ++j;
        size_t k = j;
        while (k < n && (g_ascii_isalnum(text_[k]) || text_[k] == '_')) ++k;
        std::string word(text_.substr(j, k - j));
        for (char& ch : word) ch = g_ascii_toupper(ch);
        return word;
    }

    // The words before the first "(" tell what the statement creates.
    void learn_head(const std::string& word) {
        head_.push_back(word);
        const std::string& first = head_.front();
        static constexpr std::array<const char*, 5> kBlocks = {"TRIGGER", "FUNCTION", "PROCEDURE", "PROC", "EVENT"};
        static constexpr std::array<const char*, 5> kBatchWide = {"TRIGGER", "FUNCTION", "PROCEDURE", "PROC", "VIEW"};
        if (head_.size() == 1) return;
        if (first == "CREATE" && one_of(word, kBlocks)) blocks_ = true;
        if ((first == "CREATE" || first == "ALTER") && one_of(word, kBatchWide)) runs_to_batch_end_ = true;
    }

    void emit(size_t end) {
        if (code_ && end > start_) {
            std::string_view piece = trimmed(text_.substr(start_, end - start_));
            while (!piece.empty() && piece.back() == ';') piece = trimmed(piece.substr(0, piece.size() - 1));
            if (!piece.empty()) pieces_.emplace_back(piece);
        }
        start_ = end;
        code_ = false;
        head_.clear();
        head_closed_ = false;
        blocks_ = false;
        runs_to_batch_end_ = false;
        depth_ = 0;
    }

    std::string_view text_;
    SplitOptions options_;
    const bool batches_;
    std::vector<std::string> pieces_;
    size_t start_ = 0;
    bool code_ = false;
    std::vector<std::string> head_;
    bool head_closed_ = false;
    bool blocks_ = false;
    bool runs_to_batch_end_ = false;
    int depth_ = 0;
};

}  // namespace

std::vector<std::string> split_statements(std::string_view script, SplitOptions options) {
    return Splitter(script, options).run();
}

}  // namespace tarvelin::rezezadovu::transform
