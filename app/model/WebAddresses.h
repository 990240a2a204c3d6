// The addresses the program opens: the author's pages and mail, the help
// sites, and the download pages of the character-code library.
#pragma once

namespace quiltmark {

inline constexpr const char* kFaqAddress = "https://quiltmark.example.jp/faq.html";
inline constexpr const char* kHomePageAddress = "https://quiltmark.example.jp/";
inline constexpr const char* kTutorialAddress = "https://developer.mozilla.org/ja/docs/Learn/HTML";
inline constexpr const char* kReferenceAddress = "https://www.htmq.com/";
inline constexpr const char* kAuthorMail = "author@quiltmark.example.jp";
inline constexpr const char* kMailAddress = "mailto:author@quiltmark.example.jp";
// Where NKF32.DLL can be had: the recommended page first.
inline constexpr const char* kLibraryPageAddress = "https://quiltmark.example.jp/nkf32/";
inline constexpr const char* kLibrarySourceAddress = "https://osdn.net/projects/nkf/";

} // namespace quiltmark
