// The file list view's texts in the current UI language, from the text store:
// column captions (of the definitions and of the display options), the
// extension filter's texts, StrRes with the file-type names, the status texts
// and the captions of the host's popup entries.
#pragma once

#include "filelist/core/file_list_view_store.h"

// Does nothing and returns false while the text store is empty. Otherwise
// refreshes the header's captions once at the end.
bool ApplyFileListViewLanguage(TFileListViewStore& view);
