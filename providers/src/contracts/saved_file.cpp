#include "providers/contracts/saved_file.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/log.hpp"

#include <fcntl.h>
#include <gee.h>
#include <glib/gstdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <vector>

TARVELIN_LOG_TAG("saved_file")

namespace tarvelin::providers::contracts {

namespace {

using Lost = std::vector<std::string>;

[[noreturn]] void throw_errno(int code, const char* format, const std::string& a, const std::string& b = {}) {
    throw gobj::Error(G_FILE_ERROR, g_file_error_from_errno(code),
                      gobj::take_string(g_strdup_printf(format, a.c_str(), b.c_str(), g_strerror(code))));
}

// One pass over the raw text, before any parsing: refuses nesting beyond the limit (the
// parser recurses once per level) and names the members whose text holds a "\u0000"
// escape, which json-glib's C strings cut at that point.
void prescan(std::string_view text, const std::string& filename, Lost& cut) {
    int depth = 0;
    bool in_string = false;
    bool nul = false;        // the string being read holds an escaped NUL
    bool pending = false;    // the string just read held one: a key or a value?
    std::string current, last, member;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (in_string) {
            if (c == '\\' && i + 1 < text.size()) {
                if (text.compare(i + 1, 5, "u0000") == 0) nul = true;
                current += c;
                current += text[++i];
            } else if (c == '"') {
                in_string = false;
                last = current;
                pending = nul;
            } else {
                current += c;
            }
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        if (pending) {
            cut.push_back(c == ':' ? last : member);
            pending = false;
        }
        switch (c) {
        case '"':
            in_string = true;
            nul = false;
            current.clear();
            break;
        case '[':
        case '{':
            if (++depth > SavedFile::kMaxDepth) {
                throw gobj::Error(JSON_PARSER_ERROR, JSON_PARSER_ERROR_PARSE,
                                  gobj::take_string(g_strdup_printf(_("%s: nested deeper than %d levels"),
                                                                    filename.c_str(), SavedFile::kMaxDepth)));
            }
            break;
        case ']':
        case '}':
            --depth;
            break;
        case ':':
            member = last;
            break;
        default:
            break;
        }
    }
    if (pending) cut.push_back(member);
}

bool number(JsonNode* n, double& out) {
    if (!JSON_NODE_HOLDS_VALUE(n)) return false;
    GType t = json_node_get_value_type(n);
    if (t == G_TYPE_INT64) {
        out = static_cast<double>(json_node_get_int(n));
        return true;
    }
    if (t == G_TYPE_DOUBLE) {
        out = json_node_get_double(n);
        return true;
    }
    return false;
}

void compare_object(const std::string& path, JsonNode* node, GObject* object, Lost& lost);

std::string element_path(const std::string& path, guint i) { return path + "[" + std::to_string(i) + "]"; }

// Whether the property value `v` holds exactly what the member node says. Types the
// files do not use are not judged.
bool holds(JsonNode* n, const GValue* v, const std::string& path, Lost& lost) {
    GType type = G_VALUE_TYPE(v);
    switch (G_TYPE_FUNDAMENTAL(type)) {
    case G_TYPE_OBJECT: {
        GObject* o = static_cast<GObject*>(g_value_get_object(v));
        if (o && GEE_IS_LIST(o)) {
            gint size = gee_collection_get_size(GEE_COLLECTION(o));
            if (JSON_NODE_HOLDS_NULL(n)) return size == 0;
            if (!JSON_NODE_HOLDS_ARRAY(n)) return false;
            // Elements that are no object make no record; the others were taken in order.
            JsonArray* array = json_node_get_array(n);
            guint length = json_array_get_length(array);
            gint taken = 0;
            for (guint i = 0; i < length; ++i) {
                JsonNode* element = json_array_get_element(array, i);
                if (!JSON_NODE_HOLDS_OBJECT(element)) {
                    lost.push_back(element_path(path, i));
                    continue;
                }
                if (taken >= size) return false;
                auto item = gobj::GPtr<GObject>::adopt(static_cast<GObject*>(gee_list_get(GEE_LIST(o), taken++)));
                if (!item || !G_IS_OBJECT(item.get())) return false;
                compare_object(element_path(path, i), element, item.get(), lost);
            }
            return taken == size;
        }
        if (JSON_NODE_HOLDS_NULL(n)) return o == nullptr;
        if (!o || !JSON_NODE_HOLDS_OBJECT(n)) return false;
        compare_object(path, n, o, lost);
        return true;
    }
    case G_TYPE_BOOLEAN:
        return JSON_NODE_HOLDS_VALUE(n) && json_node_get_value_type(n) == G_TYPE_BOOLEAN &&
               !json_node_get_boolean(n) == !g_value_get_boolean(v);
    case G_TYPE_CHAR:
    case G_TYPE_UCHAR:
    case G_TYPE_INT:
    case G_TYPE_UINT:
    case G_TYPE_LONG:
    case G_TYPE_ULONG:
    case G_TYPE_INT64:
    case G_TYPE_UINT64:
    case G_TYPE_ENUM:
    case G_TYPE_FLAGS: {
        if (G_TYPE_FUNDAMENTAL(type) == G_TYPE_ENUM && JSON_NODE_HOLDS_VALUE(n) &&
            json_node_get_value_type(n) == G_TYPE_STRING) {
            auto* klass = static_cast<GEnumClass*>(g_type_class_ref(type));
            const char* text = json_node_get_string(n);
            GEnumValue* e = g_enum_get_value_by_nick(klass, text);
            if (!e) e = g_enum_get_value_by_name(klass, text);
            bool same = e && e->value == g_value_get_enum(v);
            g_type_class_unref(klass);
            return same;
        }
        double file = 0;
        if (!number(n, file)) return false;
        if (G_TYPE_FUNDAMENTAL(type) == G_TYPE_UINT64) return file == static_cast<double>(g_value_get_uint64(v));
        GValue wide = G_VALUE_INIT;
        g_value_init(&wide, G_TYPE_INT64);
        bool same = g_value_transform(v, &wide) && file == static_cast<double>(g_value_get_int64(&wide));
        g_value_unset(&wide);
        return same;
    }
    case G_TYPE_FLOAT: {
        double file = 0;
        return number(n, file) && static_cast<float>(file) == g_value_get_float(v);
    }
    case G_TYPE_DOUBLE: {
        double file = 0;
        return number(n, file) && file == g_value_get_double(v);
    }
    case G_TYPE_STRING: {
        const char* held = g_value_get_string(v);
        if (JSON_NODE_HOLDS_NULL(n)) return held == nullptr;
        if (!JSON_NODE_HOLDS_VALUE(n) || json_node_get_value_type(n) != G_TYPE_STRING) return false;
        // Text that is not valid UTF-8 is rewritten on save: the file no longer says it.
        return held && g_strcmp0(held, json_node_get_string(n)) == 0 && g_utf8_validate(held, -1, nullptr);
    }
    default:
        break;
    }
    if (type == G_TYPE_STRV) {
        auto* held = static_cast<gchar**>(g_value_get_boxed(v));
        guint count = held ? g_strv_length(held) : 0;
        if (JSON_NODE_HOLDS_NULL(n)) return count == 0;
        if (!JSON_NODE_HOLDS_ARRAY(n)) return false;
        JsonArray* array = json_node_get_array(n);
        if (json_array_get_length(array) != count) return false;
        for (guint i = 0; i < count; ++i) {
            JsonNode* e = json_array_get_element(array, i);
            if (!JSON_NODE_HOLDS_VALUE(e) || json_node_get_value_type(e) != G_TYPE_STRING ||
                g_strcmp0(json_node_get_string(e), held[i]) != 0 || !g_utf8_validate(held[i], -1, nullptr))
                return false;
        }
        return true;
    }
    return true;
}

void compare_object(const std::string& path, JsonNode* node, GObject* object, Lost& lost) {
    JsonObject* members = json_node_get_object(node);
    GList* names = json_object_get_members(members);
    for (GList* m = names; m; m = m->next) {
        auto* name = static_cast<const char*>(m->data);
        std::string member = path.empty() ? std::string(name) : path + "." + name;
        GParamSpec* p = g_object_class_find_property(G_OBJECT_GET_CLASS(object), name);
        if (!p || (p->flags & (G_PARAM_READWRITE | G_PARAM_CONSTRUCT_ONLY)) != G_PARAM_READWRITE) {
            lost.push_back(member);
            continue;
        }
        GValue v = G_VALUE_INIT;
        g_value_init(&v, p->value_type);
        g_object_get_property(object, p->name, &v);
        if (!holds(json_object_get_member(members, name), &v, member, lost)) lost.push_back(member);
        g_value_unset(&v);
    }
    g_list_free(names);
}

}  // namespace

gobj::GPtr<JsonParser> SavedFile::parse(const std::string& filename) {
    loaded_ = filename;
    keep_ = false;
    gchar* data = nullptr;
    gsize length = 0;
    GError* error = nullptr;
    // A file that cannot even be read is left where it is; there is nothing to keep.
    if (!g_file_get_contents(filename.c_str(), &data, &length, &error)) gobj::check(error);
    std::string text(data, length);
    g_free(data);
    auto parser = gobj::GPtr<JsonParser>::adopt(json_parser_new());
    try {
        Lost cut;
        prescan(std::string_view(text.data(), length), filename, cut);
        if (!json_parser_load_from_data(parser.get(), text.data(), static_cast<gssize>(length), &error))
            gobj::check(error);
        for (const auto& member : cut) {
            tlog_warning("%s: member \"%s\" holds a NUL character and is cut there; the file is kept as a backup "
                         "before the next save",
                         filename.c_str(), member.c_str());
            keep_ = true;
        }
    } catch (...) {
        keep_ = true;
        throw;
    }
    return parser;
}

void SavedFile::audit(JsonNode* root, GObject* object) {
    if (!root || !object || !JSON_NODE_HOLDS_OBJECT(root)) return;
    Lost lost;
    compare_object("", root, object, lost);
    for (const auto& member : lost) {
        tlog_warning("%s: member \"%s\" was not loaded as written; the file is kept as a backup before the next save",
                     loaded_.c_str(), member.c_str());
    }
    if (!lost.empty()) keep_ = true;
}

void SavedFile::make_valid(JsonNode* node) {
    if (!node) return;
    switch (JSON_NODE_TYPE(node)) {
    case JSON_NODE_OBJECT: {
        JsonObject* object = json_node_get_object(node);
        GList* names = json_object_get_members(object);
        for (GList* m = names; m; m = m->next)
            make_valid(json_object_get_member(object, static_cast<const char*>(m->data)));
        g_list_free(names);
        break;
    }
    case JSON_NODE_ARRAY: {
        JsonArray* array = json_node_get_array(node);
        for (guint i = 0, n = json_array_get_length(array); i < n; ++i) make_valid(json_array_get_element(array, i));
        break;
    }
    case JSON_NODE_VALUE:
        if (json_node_get_value_type(node) == G_TYPE_STRING) {
            const char* text = json_node_get_string(node);
            if (text && !g_utf8_validate(text, -1, nullptr)) {
                gchar* valid = g_utf8_make_valid(text, -1);
                json_node_set_string(node, valid);
                g_free(valid);
            }
        }
        break;
    case JSON_NODE_NULL:
        break;
    }
}

std::string SavedFile::keep_backup(const std::string& filename) {
    gchar* data = nullptr;
    gsize length = 0;
    GError* error = nullptr;
    if (!g_file_get_contents(filename.c_str(), &data, &length, &error)) gobj::check(error);
    std::string text(data, length);
    g_free(data);
    GStatBuf st;
    mode_t mode = g_stat(filename.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0600;
    // O_EXCL: an earlier backup (perhaps the last good file) is never replaced.
    for (unsigned n = 0;; ++n) {
        std::string name = n == 0 ? filename + ".bak" : filename + "." + std::to_string(n) + ".bak";
        int fd = g_open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            throw_errno(errno, _("Cannot keep %s as %s: %s"), filename, name);
        }
        const char* at = text.data();
        size_t left = length;
        int code = 0;
        while (left > 0 && code == 0) {
            ssize_t done = ::write(fd, at, left);
            if (done < 0 && errno != EINTR) code = errno;
            if (done > 0) {
                at += done;
                left -= static_cast<size_t>(done);
            }
        }
        if (code == 0 && fchmod(fd, mode) != 0) code = errno;
        if (close(fd) != 0 && code == 0) code = errno;
        if (code != 0) {
            g_remove(name.c_str());
            throw_errno(code, _("Cannot keep %s as %s: %s"), filename, name);
        }
        return name;
    }
}

void SavedFile::write(const std::string& filename, JsonNode* root) {
    make_valid(root);
    auto generator = gobj::GPtr<JsonGenerator>::adopt(json_generator_new());
    json_generator_set_pretty(generator.get(), TRUE);
    json_generator_set_indent(generator.get(), 2);
    json_generator_set_indent_char(generator.get(), ' ');
    json_generator_set_root(generator.get(), root);
    gsize length = 0;
    gchar* data = json_generator_to_data(generator.get(), &length);
    std::string text(data, length);
    g_free(data);

    GStatBuf st;
    bool exists = !filename.empty() && g_stat(filename.c_str(), &st) == 0;
    // Both files hold secrets: a new one is the owner's only; an existing one keeps the
    // mode its owner gave it.
    mode_t mode = exists ? (st.st_mode & 07777) : 0600;
    if (keep_ && exists && filename == loaded_) keep_backup(filename);
    keep_ = false;

    GError* error = nullptr;
    if (!g_file_set_contents_full(filename.c_str(), text.data(), static_cast<gssize>(length),
                                  GFileSetContentsFlags(G_FILE_SET_CONTENTS_CONSISTENT | G_FILE_SET_CONTENTS_DURABLE),
                                  static_cast<int>(mode), &error)) {
        gobj::check(error);
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, filename);
    }
    // The new file was created under the umask; give it exactly the mode it should have.
    if (g_chmod(filename.c_str(), static_cast<int>(mode)) != 0) {
        throw_errno(errno, _("Cannot set the mode of %s%s: %s"), filename);
    }
}

}  // namespace tarvelin::providers::contracts
