// The help viewer and the file chooser as records: what was asked of them, and what the user
// answers.
#ifndef TARVIK_TESTS_DOUBLES_RECORDING_HELP_H_
#define TARVIK_TESTS_DOUBLES_RECORDING_HELP_H_

#include <optional>
#include <string>
#include <vector>

#include "base/file_dialog.h"
#include "base/help_viewer.h"

namespace tarvik::testing {

class RecordingHelp : public HelpViewer {
 public:
  bool WinHelp(std::string_view file, const HelpRequest& request) override {
    files.emplace_back(file);
    requests.push_back(request);
    return true;
  }
  std::vector<std::string> files;
  std::vector<HelpRequest> requests;
};

class ScriptedFileDialogs : public FileDialogs {
 public:
  std::string ChooseFile(const ChooseFileRequest& request) override {
    asked.push_back(request.file);
    titles.emplace_back(request.title);
    return choice.value_or(request.file);  // nothing chosen: cancelled
  }
  std::optional<std::string> choice;
  std::vector<std::string> asked;  // the names the dialog started from
  std::vector<std::string> titles;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_RECORDING_HELP_H_
