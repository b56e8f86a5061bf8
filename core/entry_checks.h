#pragma once

#include "core/colour.h"
#include "core/control.h"
#include "core/entry_form.h"
#include "core/messages.h"
#include "core/share.h"

#include <optional>

// The colour that every Add draws before it looks at anything, and the EntryCheck flag through
// which the field checks report to Add. Every screen keeps one for the whole run.
struct EntryChecks {
    FileColour currentColour{};
    bool entryCheck = false;

    // Enter in a field: its check, which may show its message and clear the flag.
    void check(Control field, EntryForm& fields, MessageSink& sink) { fields.checkField(field, entryCheck, sink); }

    // How every Add opens: a fresh colour (drawn also for a press that is then refused), the flag
    // raised, and every field's check in form order, all of them whatever the earlier ones found.
    // True when all passed.
    bool openAdd(Share& share, EntryForm& fields, MessageSink& sink)
    {
        currentColour = share.drawFileColour();
        entryCheck = true;
        for (const Control field : fields.fields())
            check(field, fields, sink);
        return entryCheck;
    }
    // The same on the screens that take a start block, then the start read: the start block when
    // every check passed and the start lies on the disk.
    std::optional<int> openAddWithStart(Share& share, EntryForm& fields, MessageSink& sink);
};
