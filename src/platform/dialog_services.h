// The standard dialogs the programs show: message boxes, the file-open
// dialog, and the run time's check that a picture file loads.
#pragma once

#include "platform/handles.h"

#include <optional>
#include <string>

namespace orvela::platform {

// MessageBox styles and answers the programs use.
inline constexpr unsigned mbOkOnly = 0;
inline constexpr unsigned mbYesNo = 4;
inline constexpr unsigned mbIconQuestion = 32;
inline constexpr unsigned mbIconExclamation = 48;
inline constexpr unsigned mbIconInformation = 64;
inline constexpr unsigned mbDefButton2 = 256; // the second button (No of Yes/No) is the default
inline constexpr int idOk = 1;
inline constexpr int idYes = 6;
inline constexpr int idNo = 7;

// The file-open dialog: where it starts, its filter as the classic run time
// writes it ("Images|*.BMP;*.GIF|All Files|*.*") and the entry (from 1) selected.
struct OpenFileRequest {
    std::string initialDir;
    std::string filter;
    int filterIndex = 1;
};

// The outcome of loading a picture file: error 0 when it loads, 53 when the
// file is missing, 481 when it is no picture the run time can decode.
struct PictureLoad {
    int error = 0;
    std::string description;
};

class DialogServices {
public:
    virtual ~DialogServices() = default;
    // MessageBoxW owned by window (0: the active window); the button the
    // user chose (idOk, idYes, idNo).
    virtual int messageBox(WindowHandle owner, const std::string& text, unsigned style,
                           const std::string& title) = 0;
    // GetOpenFileNameW owned by window (0: the active window): the chosen
    // file's full path, nothing on cancel.
    virtual std::optional<std::string> getOpenFileName(WindowHandle owner,
                                                       const OpenFileRequest& request) = 0;
    // Whether the file loads as a picture (LoadPicture's errors).
    virtual PictureLoad loadPicture(const std::string& path) = 0;
};

} // namespace orvela::platform
