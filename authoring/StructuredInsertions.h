// The structured insertion commands: font, link, image, table, lists, date
// and time, and colour code. Each applies the showing test, asks its dialog
// where it has one, builds its text and hands it to InsertTag. The dialogs,
// the editor and the file system are reached through the two interfaces
// below, so the rules are tested without windows.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "InsertionTexts.h"

namespace quiltmark {

// What the link and image dialogs give back on OK.
struct FileDialogResult {
    std::string address;  // link address or image source, as typed or chosen
    std::string title;    // link title or image alternative text
    std::string target;   // link target, labels already mapped to their values
    bool browsed = false; // the browse button was pressed
    std::string folder;   // the folder the browser left (valid when browsed)
};

struct FontDialogResult {
    std::string face, size;
    std::uint32_t colour = 0xFFFFFFFFu; // -1: no colour chosen
    std::string code;                   // "#rrggbb" of the colour
};

// The four insertion dialogs, shown modally; each returns false when cancelled.
class InsertionDialogs {
  public:
    virtual ~InsertionDialogs() = default;
    virtual bool Link(const std::string& initialAddress, const std::string& folder,
                      FileDialogResult& out) = 0;
    virtual bool Image(const std::string& folder, FileDialogResult& out) = 0;
    virtual bool Table(int& rows, int& columns) = 0;
    virtual bool Font(FontDialogResult& out) = 0;
    virtual bool ColourCode(std::string& code) = 0;
};

// Why a picture's size was left out.
enum class PictureProblem { None, NotFound, NotAPicture };

// What the commands need of the view and the platform.
class InsertionSite {
  public:
    virtual ~InsertionSite() = default;
    virtual bool EditorShowing() = 0;
    virtual bool SelectedText(std::string& text) = 0;
    // The view's InsertTag: start and end around the selection, or one text in place of it.
    virtual void Insert(std::string start, std::string end) = 0;
    // The document's folder, with its trailing backslash.
    virtual std::string DocumentFolder() = 0;
    virtual bool FolderExists(const std::string& folder) = 0;
    // The size of the picture file at `path` in screen pixels, or the problem.
    virtual std::optional<PixelSize> PictureSize(const std::string& path, PictureProblem& problem) = 0;
    // Tells the user (in the status bar) why a picture has no size.
    virtual void ShowPictureNote(PictureProblem problem, const std::string& path) = 0;
    virtual std::tm LocalTime() = 0;
};

// The file a typed or chosen image source names on this machine: a web
// address names none; a full path ("C:\...", "\\server\...") is itself; any
// other path is taken from the document's folder, "/" read as "\".
std::optional<std::string> PictureFilePath(const std::string& documentFolder, const std::string& source);

class StructuredInsertions {
  public:
    // The remembered folders of the link and image browsers, kept by the caller.
    StructuredInsertions(InsertionSite& site, InsertionDialogs& dialogs, std::string& linkFolder,
                         std::string& imageFolder)
        : site_(site), dialogs_(dialogs), linkFolder_(linkFolder), imageFolder_(imageFolder) {}

    void Font();
    void Link();
    void Image();
    void Table();
    void List(ListKind kind);
    void DateTime();
    void ColourCode();

  private:
    // Where a file browser opens: the remembered folder when it is set and
    // exists, else the document's folder.
    std::string BrowseFolder(const std::string& remembered);
    // A chosen path relative to the document, or as typed when it shares nothing with it.
    std::string RelativeToDocument(const std::string& path);

    InsertionSite& site_;
    InsertionDialogs& dialogs_;
    std::string& linkFolder_;
    std::string& imageFolder_;
};

} // namespace quiltmark
