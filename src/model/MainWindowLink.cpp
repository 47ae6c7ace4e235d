// MainWindowLink: the main window as the model sees it.
#include "model/MainWindowLink.h"

namespace lintavo {

namespace {
MainWindowLink* (*MainLinkLookup)() = nullptr;  // gives MainForm as the interface
}  // namespace

MainWindowLink* MainLink() { return MainLinkLookup ? MainLinkLookup() : nullptr; }

void SetMainLinkLookup(MainWindowLink* (*lookup)()) { MainLinkLookup = lookup; }

}  // namespace lintavo
