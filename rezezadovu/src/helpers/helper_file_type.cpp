#include "rezezadovu/helpers/helper_file_type.hpp"

#include <json-glib/json-glib.h>

#include <algorithm>
#include <cstring>

#include "rezezadovu/foundation/logging_service.hpp"

TARVELIN_LOG_TAG("helper_file_type")

namespace tarvelin::rezezadovu::helpers {

TARVELIN_FUNDAMENTAL_GTYPE(FileTypeHelper, "TarvelinRezezadovuHelpersFileTypeHelper", "TarvelinRezezadovuHelpersParamSpecFileTypeHelper")

using foundation::LoggingService;

gobj::Ref<FileTypeHelper> FileTypeHelper::create(GType type) { return gobj::create<FileTypeHelper>(type); }

FileTypeHelper& FileTypeHelper::get_singleton() {
    static gsize once = 0;
    static FileTypeHelper* instance = nullptr;
    if (g_once_init_enter(&once)) {
        auto helper = create();
        helper->load_resource();
        instance = gobj::cast<FileTypeHelper>(helper.release());
        g_once_init_leave(&once, 1);
    }
    return *instance;
}

void FileTypeHelper::load_resource() {
    GError* error = nullptr;
    GInputStream* stream = g_resources_open_stream(kResource, G_RESOURCE_LOOKUP_FLAGS_NONE, &error);
    if (stream) {
        auto parser = gobj::GPtr<JsonParser>::adopt(json_parser_new());
        if (json_parser_load_from_stream(parser.get(), stream, nullptr, &error)) {
            load_document(json_parser_get_root(parser.get()));
        }
    }
    if (error) {
        if (error->domain == G_IO_ERROR) {
            LoggingService::error(nullptr, "read file type info failed: %s", error->message);
        } else {
            LoggingService::error(nullptr, "load file type info failed: %s", error->message);
        }
        g_clear_error(&error);
    }
    if (stream) {
        if (!g_input_stream_close(stream, nullptr, &error) && error) {
            LoggingService::error(nullptr, "close file type info resource stream failed: %s", error->message);
            g_clear_error(&error);
        }
        g_object_unref(stream);
    }
}

void FileTypeHelper::load_document(JsonNode* root) {
    table_.clear();
    if (!root || !JSON_NODE_HOLDS_OBJECT(root)) {
        tlog_warning("Failed to load and get file type json root object.");
        return;
    }
    JsonObject* object = json_node_get_object(root);
    if (json_object_get_size(object) == 0) {
        tlog_warning("Root object is empty object");
        return;
    }
    GList* members = json_object_get_members(object);
    for (GList* m = members; m; m = m->next) {
        auto* name = static_cast<const char*>(m->data);
        JsonNode* node = json_object_get_member(object, name);
        if (!JSON_NODE_HOLDS_OBJECT(node)) continue;
        JsonObject* record = json_node_get_object(node);
        FileTypeSignature signature{name, json_object_get_string_member_with_default(record, "mime", kUnknown), {}};
        JsonNode* signs = json_object_get_member(record, "signs");
        if (signs && JSON_NODE_HOLDS_ARRAY(signs)) {
            JsonArray* array = json_node_get_array(signs);
            for (guint i = 0; i < json_array_get_length(array); ++i) {
                JsonNode* e = json_array_get_element(array, i);
                if (JSON_NODE_HOLDS_VALUE(e) && json_node_get_value_type(e) == G_TYPE_STRING) {
                    signature.signs.emplace_back(json_node_get_string(e));
                }
            }
        }
        table_.push_back(std::move(signature));
    }
    g_list_free(members);
}

namespace {

// True when the bytes at `offset` print, two upper-case hexadecimal digits each, as
// exactly `signature_hex`.
bool bytes_match(std::span<const guint8> buffer, guint64 offset, const char* signature_hex) {
    g_return_val_if_fail(signature_hex != NULL, false);
    size_t digits = strlen(signature_hex);
    if (digits % 2 != 0) return false;
    size_t k = digits / 2;
    if (offset > buffer.size() || k > buffer.size() - offset) return false;
    static const char hex[] = "0123456789ABCDEF";
    for (size_t i = 0; i < k; ++i) {
        guint8 b = buffer[offset + i];
        if (signature_hex[2 * i] != hex[b >> 4] || signature_hex[2 * i + 1] != hex[b & 15]) return false;
    }
    return true;
}

bool sign_matches(std::span<const guint8> buffer, const std::string& sign) {
    size_t comma = sign.find(',');
    guint64 offset = 0;
    for (size_t i = 0; i < sign.size() && g_ascii_isdigit(sign[i]); ++i) {
        offset = std::min<guint64>(offset * 10 + static_cast<guint64>(sign[i] - '0'), G_MAXUINT32);
    }
    if (comma == std::string::npos) return bytes_match(buffer, offset, nullptr);
    size_t end = sign.find(',', comma + 1);
    std::string expected = sign.substr(comma + 1, end == std::string::npos ? std::string::npos : end - comma - 1);
    return bytes_match(buffer, offset, expected.c_str());
}

}  // namespace

std::string FileTypeHelper::guess_file_type(std::span<const guint8> buffer) const {
    for (const FileTypeSignature& record : table_) {
        for (const std::string& sign : record.signs) {
            if (sign_matches(buffer, sign)) return record.mime;
        }
    }
    return kUnknown;
}

}  // namespace tarvelin::rezezadovu::helpers
