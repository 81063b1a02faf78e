#pragma once
// The file-open dialog of the recordings and path dialogs, replaceable so
// that tests answer it. Course paths in and out; empty: cancelled.
#include <functional>
#include <string>

namespace vyr {

// directory: where the dialog opens; proposed: the file name shown at first
// ("*.wav", "VYR_E"); filter in Qt's form ("Wave (*.wav *.WAV)"), or empty.
using TFileChooser =
    std::function<std::string(const std::string& directory, const std::string& proposed, const std::string& filter)>;
extern TFileChooser chooseFile;

}  // namespace vyr
