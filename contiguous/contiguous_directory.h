#pragma once

#include "core/colour.h"
#include "core/report_list.h"

#include <string>

// The contiguous screen's list of files: one row per added file, in the order of adding,
// with the name cell drawn in the file's colour.
class ContiguousDirectory {
public:
    static constexpr int WIDTH = 3495;  // twips, the list view's width on the form

    // Report view and the three columns "File", "Start", "Lenght" at 40, 29 and 29 per cent.
    void createColumns();
    // Narrows "Lenght" to 21 per cent while the ninth row goes in, 29 per cent otherwise.
    void fitLenghtColumn();
    void append(const std::string& name, int start, int length, ColourValue colour);
    void clear() { m_list.clearRows(); }

    const ReportList& list() const { return m_list; }

private:
    ReportList m_list{WIDTH};
};
