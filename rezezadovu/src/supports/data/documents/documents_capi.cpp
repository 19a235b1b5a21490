// C face of the structure documents; produce is reached through IDocument's dispatcher.
//
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_supports_data_documents_html_document_get_type
//   tarvelin_rezezadovu_supports_data_documents_html_document_construct
//   tarvelin_rezezadovu_supports_data_documents_html_document_new
//   tarvelin_rezezadovu_supports_data_documents_markdown_document_get_type
//   tarvelin_rezezadovu_supports_data_documents_markdown_document_construct
//   tarvelin_rezezadovu_supports_data_documents_markdown_document_new
#include "rezezadovu/supports/data/documents/structure_documents.hpp"

TARVELIN_LOG_TAG("documents_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::data::documents;

static_assert(sizeof(TarvelinRezezadovuSupportsDataDocumentsHtmlDocument) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuSupportsDataDocumentsMarkdownDocumentClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_CLASS_CAPI(HtmlDocument, TarvelinRezezadovuSupportsDataDocumentsHtmlDocument,
                    tarvelin_rezezadovu_supports_data_documents_html_document)
TARVELIN_CLASS_CAPI(MarkdownDocument, TarvelinRezezadovuSupportsDataDocumentsMarkdownDocument,
                    tarvelin_rezezadovu_supports_data_documents_markdown_document)

}  // extern "C"
