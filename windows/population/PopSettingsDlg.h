#pragma once
// The population settings dialog: the mean and standard deviation a
// continuous population is to show. It sets the display transform only; the
// shape stays as it is. Enter sets, Esc cancels.

#include "ui/ToolWindow.h"

#include <QString>
#include <memory>

class DialogTemplate;
class QLineEdit;
class QPushButton;

class CPopSettingsDlg : public CToolWindow {
    Q_OBJECT
  public:
    // Created hidden; the Window menu shows it.
    explicit CPopSettingsDlg(QWidget* parent = nullptr);
    ~CPopSettingsDlg() override;

    // Puts the texts into the two fields (no handler runs).
    void SetFieldTexts(const QString& mean, const QString& sd);
    QString MeanText() const { return m_meanText; }
    QString SdText() const { return m_sdText; }

    // Moving the dialog does not make it the window Close Window hides.
    void OnMoved() override {}

    QLineEdit* MeanField() const;
    QLineEdit* SdField() const;
    QPushButton* Button(int id) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void Retranslate() override;

  private:
    void OnSet();
    void OnDefault();
    void OnCancel();
    void PushTexts();
    // The Population window and the three windows that show values.
    void RefreshWindows();

    std::unique_ptr<DialogTemplate> m_dialog;
    QString m_meanText;
    QString m_sdText;
};
