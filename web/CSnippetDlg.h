#pragma once
#include <QDialog>
#include <string>

#include "app/HelpOpener.h"
#include "web/HttpGetText.h"
#include "web/Snippets.h"
#include "web/UploadedPage.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace turnpixa {

struct UploadSettings;

// "Copy To Clipboard": puts an HTML fragment for an uploaded rotatable image
// on the clipboard, for an auction, a web page or an iframe. known is what
// the last save wrote (an empty folder name before any save); another name
// means an image uploaded earlier, whose page is fetched first.
class CSnippetDlg : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Ebay, Webpage, IFrame, Listing };

    CSnippetDlg(const SnippetImage& known, UploadSettings& settings, HelpOpener help,
                QWidget* parent = nullptr);

    // Checks the entries, builds the fragment, places it on the clipboard
    // and closes with OK; false (dialog open) when the name is missing or,
    // for a listing, the uploaded image has no animated picture.
    bool copy(Kind kind);

    const std::string& fragment() const { return fragment_; }
    const SnippetImage& image() const { return image_; }
    HttpOptions& httpOptions() { return http_; }

    QLineEdit* locationEdit() const { return location_; }
    QLineEdit* folderEdit() const { return folder_; }
    QLineEdit* nameEdit() const { return name_; }
    QCheckBox* firstBox() const { return first_; }
    QPushButton* ebayButton() const { return ebay_; }
    QPushButton* webpageButton() const { return webpage_; }
    QPushButton* iframeButton() const { return iframe_; }
    QPushButton* listingButton() const { return listing_; }

private:
    SnippetCheck checkEntries();
    // Asks the webspace for the uploaded animation; false (told) without one.
    bool findAnimation(const SnippetCheck& check);

    SnippetImage image_;
    UploadSettings& settings_;
    HelpOpener help_;
    HttpOptions http_;
    std::string fragment_;
    QLineEdit* location_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QLineEdit* name_ = nullptr;
    QCheckBox* first_ = nullptr;
    QPushButton* ebay_ = nullptr;
    QPushButton* webpage_ = nullptr;
    QPushButton* iframe_ = nullptr;
    QPushButton* listing_ = nullptr;
};

}  // namespace turnpixa
