#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <future>
#include <memory>

class QSvgRenderer;

// A picture box for the program's own artwork: a scalable drawing (.svg) or a raster image,
// either fitted keeping its proportions or stretched over the whole box. A drawing is read at
// its first paint, so the hidden tabs' drawings cost nothing until they are shown. A raster
// image is decoded on another thread from the moment the picture is given it, once for every
// picture that shows it, and is waited for at the first paint.
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
    // Whether the artwork has been read for painting.
    bool isLoaded() const { return loaded_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void load() const;
    void render(QPainter& painter, const QRectF& box) const;
    QRectF fitted(const QRectF& box, QSizeF natural) const;

    QString source_;
    bool proportional_ = false;
    bool transparent_ = false;
    mutable bool loaded_ = false;
    mutable std::unique_ptr<QSvgRenderer> svg_;
    std::shared_future<QImage> decoding_;
    mutable QImage image_;
};
