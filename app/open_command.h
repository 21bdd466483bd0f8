#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QWidget;

namespace vorn {

class CArchiveFile;
class CPrivateTempDir;
class CRunGuard;

// Open with the desktop: extracts the entry into a new folder of the private
// temporary folder (with progress, under guard, as any extraction) and hands
// the file to the desktop's default application for its type. A failure is
// shown over parent, naming the file and the reason. Returns the file's path
// once handed over; empty otherwise.
QString OpenWithDesktop(QWidget* parent, CRunGuard& guard, std::shared_ptr<const CArchiveFile> archive,
                        std::uint32_t entry, CPrivateTempDir& temporary);

}  // namespace vorn
