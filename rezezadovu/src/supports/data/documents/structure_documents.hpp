// Structure documents of a catalogue database: an HTML page or a Markdown text with a
// head (title, database, data version, description), an index of every table and view of
// every schema numbered 1..n, and a section per table and view with its columns. The
// index links and the section anchors share the key schema.name.
//
// Every inserted text (names, types, defaults, comments, titles, the footer) is escaped
// for its format: HTML turns & < > " ' into references; Markdown table cells write "|" as
// "\|" and line breaks as "<br/>", and the anchors in its headings are escaped as HTML.
// The HTML page has a footer link only when the footer text is not empty. A text that is
// not UTF-8 (a name read from a server may hold any bytes) is written with U+FFFD for
// each invalid byte, with a warning naming what it is (never the text).
//
// Single thread: a document writes on the caller's thread.
#pragma once

#include "rezezadovu/contracts/data/data_contracts.hpp"
#include "rezezadovu/model/meta_database.hpp"

namespace tarvelin::rezezadovu::supports::data::documents {

class TARVELIN_EXPORT HtmlDocument : public gobj::Object, public contracts::data::IDocument {
public:
    static GType gtype();
    static gobj::Ref<HtmlDocument> create(GType type = gtype());
    void produce(meta_model::MetaDatabase* meta_database, const char* filename, contracts::data::Configuration* cfg,
                 contracts::data::ProgressCallback progress, gpointer progress_target) override;
};

class TARVELIN_EXPORT MarkdownDocument : public gobj::Object, public contracts::data::IDocument {
public:
    static GType gtype();
    static gobj::Ref<MarkdownDocument> create(GType type = gtype());
    void produce(meta_model::MetaDatabase* meta_database, const char* filename, contracts::data::Configuration* cfg,
                 contracts::data::ProgressCallback progress, gpointer progress_target) override;
};

}  // namespace tarvelin::rezezadovu::supports::data::documents

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataDocumentsHtmlDocument,
                     tarvelin::rezezadovu::supports::data::documents::HtmlDocument)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataDocumentsMarkdownDocument,
                     tarvelin::rezezadovu::supports::data::documents::MarkdownDocument)
