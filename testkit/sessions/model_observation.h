#pragma once

#include "core/block_disk.h"
#include "core/colour.h"
#include "core/entry_form.h"
#include "core/report_list.h"
#include "core/screen.h"
#include "sessions/observed.h"

#include <initializer_list>
#include <optional>
#include <string>

// How an adapter reads the program's own model types into the observed form.
std::vector<Observed::Cell> observeDisk(const BlockDisk& disk);
Observed::List observeList(const ReportList& list);
// The fields' texts and the enabled and shown states of the given controls.
void observeForm(const EntryForm& form, std::initializer_list<Control> controls, Observed& into);
// What every screen's window shows of its form while loaded: the disk, every list, every caption,
// the fields, and the enabled and shown states of the given controls; and the current colour.
Observed observeLoadedScreen(const Screen& screen, std::initializer_list<Control> controls);
// The blocks of a screen's files, as its own records give them.
std::vector<struct FileExtent> extentsOf(const Screen& screen);
std::string describeFileColour(const FileColour& colour);
// A number as the screens write one: plain decimal, a minus sign only, no leading zeros. Empty otherwise.
std::optional<int> plainNumber(const std::string& text);
