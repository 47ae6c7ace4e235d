// BenchWindow: the windows a drawing benchmark works in, as the program has
// them: a main window with one drawing window whose drawing area is 1600 x
// 1000 pixels, made active (its first activation makes its drawing record
// and first layer). Made with the program's state reset, and gone with it
// reset again.
#pragma once

#include <memory>

namespace lintavo {

class frmDocument;
class frmMain;

class BenchWindow {
 public:
  static constexpr int AreaWidth = 1600;  // pixels of the drawing area
  static constexpr int AreaHeight = 1000;

  explicit BenchWindow(const char* fileName);  // the drawing window's file name
  ~BenchWindow();
  BenchWindow(const BenchWindow&) = delete;
  BenchWindow& operator=(const BenchWindow&) = delete;

  frmDocument* Document() const { return document_; }

 private:
  std::unique_ptr<frmMain> main_;
  frmDocument* document_ = nullptr;  // owned by the main window
};

}  // namespace lintavo
