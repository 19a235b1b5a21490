// Names the character set of raw bytes with uchardet.
#pragma once

#include <tarvelin/rezezadovu/helpers.h>

#include <mutex>
#include <span>
#include <string>

#include "providers/gobj/fundamental.hpp"

typedef struct uchardet* uchardet_t;

namespace tarvelin::rezezadovu::helpers {

class TARVELIN_EXPORT EncodingHelper : public gobj::Fundamental {
public:
    static GType gtype();
    static gobj::Ref<EncodingHelper> create(GType type = gtype());

    EncodingHelper();
    ~EncodingHelper() override;

    // The process-wide instance, made once and never released.
    static EncodingHelper& get_singleton();

    // The charset uchardet names for the whole buffer, "" when it cannot tell. Each
    // call starts from a clean detector, which is used under a lock.
    std::string detect_buffer(std::span<const guint8> buffer);
    // They read nothing: the charset of a file or a stream is not detected.
    std::string detect_file(const char* filename) const;
    std::string detect_stream(GInputStream* stream) const;

private:
    uchardet_t detector_;
    std::mutex lock_;
};

}  // namespace tarvelin::rezezadovu::helpers

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuHelpersEncodingHelper, tarvelin::rezezadovu::helpers::EncodingHelper)
