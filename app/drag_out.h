#pragma once

#include <QString>

#include <memory>

class QMimeData;
class QWidget;

namespace vorn {

// What a drag out of the list hands over: every file and folder that stands
// directly in folder (where the dragged rows were extracted), as the file URLs
// of text/uri-list, so the receiver copies whole files.
std::unique_ptr<QMimeData> HandOverData(const QString& folder);

// Drags data from source until it is dropped or given up.
void StartDrag(QWidget* source, std::unique_ptr<QMimeData> data);

}  // namespace vorn
