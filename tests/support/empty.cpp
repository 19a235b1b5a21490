// Keeps the support library non-empty before any fixture exists.
namespace tarvelin::test { void support_library_anchor() {} }
