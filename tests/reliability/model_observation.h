#pragma once

#include "core/block_disk.h"
#include "core/colour.h"
#include "core/entry_form.h"
#include "core/report_list.h"
#include "reliability/observed.h"

#include <initializer_list>
#include <optional>
#include <string>

// How an adapter reads the program's own model types into the observed form.
std::vector<Observed::Cell> observeDisk(const BlockDisk& disk);
Observed::List observeList(const ReportList& list);
// The fields' texts and the enabled and shown states of the given controls.
void observeForm(const EntryForm& form, std::initializer_list<Control> controls, Observed& into);
std::string describeFileColour(const FileColour& colour);
// A number as the screens write one: plain decimal, a minus sign only, no leading zeros. Empty otherwise.
std::optional<int> plainNumber(const std::string& text);
