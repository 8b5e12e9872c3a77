#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPropertyAnimation;
class TQVAppInfo;

/// The start-up picture: product name and version. It closes itself a second after it appears, fading out
/// without holding up the window behind it.
class TFormSplash : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ShowMilliseconds = 1000;
    static constexpr int FadeMilliseconds = 400;

    explicit TFormSplash(const TQVAppInfo& appInfo, QWidget* parent = nullptr);

    /// "Version: " + product version + "   Build: " + file version.
    static QString VersionText(const TQVAppInfo& appInfo);
    QString VersionLabelText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fadeOut();

    QLabel* m_version;
    QPointer<QPropertyAnimation> m_fade;
};
