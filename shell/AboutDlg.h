#pragma once
// The About box: the program's icon, its name and version, and OK.

#include <QDialog>

class QLabel;
class QPushButton;

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* IconLabel() const { return m_icon; }
    QLabel* VersionLabel() const { return m_version; }
    QPushButton* OkButton() const { return m_ok; }

  private:
    QLabel* m_icon;
    QLabel* m_version;
    QPushButton* m_ok;
};
