#pragma once
// The mouse pointer position and the optical drives.
#include <QPoint>
#include <QString>
#include <QStringList>

namespace flumo {

class PointerDevice {
public:
    virtual ~PointerDevice() = default;
    virtual QPoint pos() const = 0;          // global screen coordinates
    virtual void setPos(const QPoint &p) = 0;
};

class SystemPointer final : public PointerDevice {
public:
    QPoint pos() const override;
    void setPos(const QPoint &p) override;
};

class FakePointer final : public PointerDevice {
public:
    QPoint pos() const override { return m_pos; }
    void setPos(const QPoint &p) override { m_pos = p; ++m_sets; }
    int setCount() const { return m_sets; }
private:
    QPoint m_pos;
    int m_sets = 0;
};

// Mounted optical media take the place of CD-ROM drive letters: each mount
// point stands for one drive, in mount order.
class OpticalDrives {
public:
    virtual ~OpticalDrives() = default;
    // Mount points (absolute, ending in "/") of mounted iso9660 or udf media.
    virtual QStringList mountPoints() const = 0;
};

// Reads a mounts table (by default /proc/self/mounts, in fstab format with
// octal escapes such as "\040" for a space).
class SystemOpticalDrives final : public OpticalDrives {
public:
    explicit SystemOpticalDrives(QString mountsFile = QStringLiteral("/proc/self/mounts")) : m_file(std::move(mountsFile)) {}
    QStringList mountPoints() const override;
    static QStringList parseMounts(const QByteArray &table);
private:
    QString m_file;
};

class FakeOpticalDrives final : public OpticalDrives {
public:
    QStringList drives;
    QStringList mountPoints() const override { return drives; }
};

} // namespace flumo
