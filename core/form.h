#pragma once

#include "core/block_disk.h"
#include "core/control.h"
#include "core/entry_form.h"
#include "core/report_list.h"

#include <map>
#include <string>

// What a method screen's window shows, which a load builds afresh and an unload drops: the disk,
// the fields with every control's enabled and shown state and the focus, the report lists and the
// captions of the labels that the screen writes. The screen writes it; nothing reads it back to
// decide what to do.
struct Form {
    BlockDisk disk;
    EntryForm fields;
    std::map<Control, ReportList> lists;
    std::map<Control, std::string> captions;

    const ReportList& list(Control c) const { return lists.at(c); }
    ReportList& list(Control c) { return lists.at(c); }
    const std::string& caption(Control c) const { return captions.at(c); }
};
