// The structured insertion commands.
#include "StructuredInsertions.h"

#include "RelativePath.h"
#include "ShiftJis.h"

namespace quiltmark {
namespace {

bool IsFullPath(const std::string& path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    return drive || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

} // namespace

std::optional<std::string> PictureFilePath(const std::string& documentFolder, const std::string& source) {
    if (source.empty() || source.find("://") != std::string::npos)
        return std::nullopt;
    std::string path = source;
    for (std::size_t i = 0; i < path.size(); i += CharLength(path, i))
        if (path[i] == '/')
            path[i] = '\\';
    return IsFullPath(path) ? path : documentFolder + path;
}

std::string StructuredInsertions::BrowseFolder(const std::string& remembered) {
    if (!remembered.empty() && site_.FolderExists(remembered))
        return remembered;
    return site_.DocumentFolder();
}

std::string StructuredInsertions::RelativeToDocument(const std::string& path) {
    const std::string relative = MakeRelativePath(site_.DocumentFolder(), path);
    return relative == kNoRelativePath ? path : relative;
}

void StructuredInsertions::Font() {
    if (!site_.EditorShowing())
        return;
    FontDialogResult result;
    if (!dialogs_.Font(result))
        return;
    if (const auto tags = FontTags(result.face, result.size, result.colour, result.code))
        site_.Insert(tags->start, tags->end);
}

void StructuredInsertions::Link() {
    if (!site_.EditorShowing())
        return;
    std::string selection;
    const bool selected = site_.SelectedText(selection);
    FileDialogResult result;
    if (!dialogs_.Link(LinkInitialAddress(selected, selection), BrowseFolder(linkFolder_), result))
        return;
    const TagPair tags = LinkTags(RelativeToDocument(result.address), result.title, result.target);
    site_.Insert(tags.start, tags.end);
    if (result.browsed)
        linkFolder_ = result.folder;
}

void StructuredInsertions::Image() {
    if (!site_.EditorShowing())
        return;
    FileDialogResult result;
    if (!dialogs_.Image(BrowseFolder(imageFolder_), result))
        return;
    std::optional<PixelSize> size;
    if (const auto file = PictureFilePath(site_.DocumentFolder(), result.address)) {
        PictureProblem problem = PictureProblem::None;
        size = site_.PictureSize(*file, problem);
        if (!size)
            site_.ShowPictureNote(problem, *file);
    }
    const std::string text = ImageTag(RelativeToDocument(result.address), result.title, size);
    site_.Insert(text, text);
    if (result.browsed)
        imageFolder_ = result.folder;
}

void StructuredInsertions::Table() {
    if (!site_.EditorShowing())
        return;
    int rows = 0, columns = 0;
    if (!dialogs_.Table(rows, columns))
        return;
    const std::string text = TableText(rows, columns);
    site_.Insert(text, text);
}

void StructuredInsertions::List(ListKind kind) {
    if (!site_.EditorShowing())
        return;
    const TagPair tags = ListTags(kind);
    site_.Insert(tags.start, tags.end);
}

void StructuredInsertions::DateTime() {
    if (!site_.EditorShowing())
        return;
    const std::string text = DateTimeText(site_.LocalTime());
    site_.Insert(text, text);
}

void StructuredInsertions::ColourCode() {
    if (!site_.EditorShowing())
        return;
    std::string code;
    if (dialogs_.ColourCode(code))
        site_.Insert(code, code);
}

} // namespace quiltmark
