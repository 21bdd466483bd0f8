#pragma once

class QAbstractItemView;

namespace vorn {

// Draws a pane's selection in the highlight colour while the pane is the one
// that commands act on, and in a muted grey otherwise, so that which pane
// Extract would use is always to be seen.
void ShowAsActivePane(QAbstractItemView& view, bool active);

}  // namespace vorn
