// Paths of the FTP tab. The current local folder always ends in "\" and the
// remote one in "/", so a folder followed by a name is the full path. Local
// paths are Shift_JIS: "\" is searched character by character, never in the
// second byte of a double-byte character.
#pragma once

#include <optional>
#include <string>

namespace quiltmark {

// Whether a name from a remote listing may be joined to the local folder: not
// empty, not "." or "..", no "\", "/" or ":", no control character or other
// character Windows refuses in names (< > " | ? *), no trailing dot or space,
// and not a device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without
// an extension). Anything else could name a file outside the folder.
bool IsSafeLocalName(const std::string& name);

// The text with a closing "\" or "/" added when it has none.
std::string WithTrailingBackslash(const std::string& path);
std::string WithTrailingSlash(const std::string& path);

// The local folder above `path` (which ends in "\"): "D:\data\web\" gives
// "D:\data\". Nothing for a drive root or a text without "\".
std::optional<std::string> LocalParent(const std::string& path);
// The remote folder above `path`: "/a/b/" gives "/a/", "/a/" gives "/".
// Nothing at "/". A relative "pub/" gives "", the login folder.
std::optional<std::string> RemoteParent(const std::string& path);

} // namespace quiltmark
