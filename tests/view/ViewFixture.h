// ViewFixture: a main window with drawing windows in its multiple-document
// area, whose screens have a fixed number of pixels per inch, so that the
// view's numbers do not depend on the screen the tests run on.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

#include "windows/main/frmMain.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "support/ProgramTest.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

// A drawing window on a screen of the given density.
class FixedDpiDocument : public frmDocument {
 public:
  explicit FixedDpiDocument(double dpi = 96) : dpi_(dpi) {}
  double DeviceDpi() const override { return dpi_; }

 private:
  double dpi_;  // pixels per inch
};

class ViewFixture : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    main_ = std::make_unique<frmMain>();
    MainForm = main_.get();
    main_->show();
  }
  void TearDown() override {
    MainForm = nullptr;
    main_.reset();
    ProgramTest::TearDown();
  }

  // Opens a drawing window with that number and name, its drawing area 400
  // by 300 pixels, and makes it the active one.
  FixedDpiDocument* Open(Long id, const String& name = "New Drawing") { return OpenIn(*main_, id, name); }
  void Activate(frmDocument* document) {
    main_->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(document->parentWidget()));
  }
  void Close(frmDocument* document) { document->parentWidget()->close(); }

 public:
  // The same in the multiple-document area of main, a main window of
  // another fixture; the area owns the window.
  static FixedDpiDocument* OpenIn(frmMain& main, Long id, const String& name = "New Drawing") {
    auto* document = new FixedDpiDocument;
    document->ID = id;
    document->SetFileID(id);
    document->SetFileName(name);
    QMdiSubWindow* sub = main.MdiArea()->addSubWindow(document);
    sub->show();
    sub->resize(sub->size() + QSize(400, 300) - document->size());
    main.MdiArea()->setActiveSubWindow(sub);
    return document;
  }

  // The window shows pixelsPerUnit view pixels to the world unit with the
  // world origin at view pixel (base, base), and becomes the active surface
  // with its view cache loaded; nothing is redrawn. Public: fixtures without
  // a main window show their drawing window through it too.
  static void ShowAtScale(frmDocument* document, Double pixelsPerUnit, Double base) {
    document->XVscale = document->YVscale = pixelsPerUnit;
    document->View_Scale = pixelsPerUnit / PixelsPerUnit;
    document->VbaseX = document->Vbasey = static_cast<Single>(base);
    ActiveDoc = document;
    UpdateWorldWindow();
    LoadViewCache();
  }

 protected:

  String StatusPanel(int panel) const { return main_->StatusPanel(panel)->text().toStdString(); }
  String MessagePanel(int panel) const {
    QLineEdit* box = panel == 1 ? main_->Text1 : panel == 2 ? main_->Text2 : main_->Text3;
    return box->text().toStdString();
  }
  String MainCaption() const { return main_->windowTitle().toStdString(); }

  std::unique_ptr<frmMain> main_;
};

}  // namespace lintavo
