#pragma once

#include "listviewitem.h"
#include "listviewvalueitems.h"

// Row tests shared by the list's key handling, its overlay editors and its row management.
namespace ListViewRows {

inline bool isSelectable(const ListViewItem *row)
{
    return row && row->m_itemSelectEnable;
}

// Check-and-edit rows with their text box in use take the line-edit overlay.
inline bool usesEditText(ListViewItem *row)
{
    return row && row->type() == ListViewItem::CheckLineEdit
        && static_cast<ListViewCheckLineEditItem *>(row)->useEditText();
}

} // namespace ListViewRows
