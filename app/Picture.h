#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <future>

// A picture box for the program's own artwork: one of the window drawings by name ("okno1") or
// a raster image by resource path, either fitted keeping its proportions or stretched over the
// whole box. A raster image is decoded on another thread from the moment the picture is given
// it, once for every picture that shows it, and is waited for at the first paint.
class Picture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool proportional READ proportional WRITE setProportional)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)

public:
    explicit Picture(QWidget* parent = nullptr);
    ~Picture() override;

    QString source() const { return source_; }
    void setSource(const QString& source);
    bool proportional() const { return proportional_; }
    void setProportional(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    // Whether the raster image has been decoded and taken for painting.
    bool isLoaded() const { return !image_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void render(QPainter& painter, const QRectF& box) const;
    QRectF fitted(const QRectF& box, QSizeF natural) const;

    QString source_;
    bool proportional_ = false;
    bool transparent_ = false;
    std::shared_future<QImage> decoding_;
    mutable QImage image_;
};
