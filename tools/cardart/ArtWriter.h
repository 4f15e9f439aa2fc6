#pragma once
// Writes the generated pictures under the output folder and lists the compiled-in ones in a
// resource collection file.

#include <QImage>
#include <QString>
#include <QStringList>

#include <string>

namespace zarle::cardart {

class ArtWriter {
  public:
    explicit ArtWriter(const QString& outDir);

    // Saves a picture that the program carries as a resource, e.g. ":/cards/back0.png".
    void Resource(const std::string& resourcePath, const QImage& image);
    // Saves a file the program folder holds, e.g. "Avatars/Zarle.jpg".
    void File(const QString& relativePath, const QImage& image, int quality = -1);
    // Writes the resource list; call it last, the build treats it as the sign that all is written.
    void WriteResourceList(const QString& fileName);

    bool Failed() const { return !errors_.isEmpty(); }
    const QStringList& Errors() const { return errors_; }

  private:
    bool Save(const QString& relativePath, const QImage& image, int quality);

    QString outDir_;
    QStringList resources_;
    QStringList errors_;
};

} // namespace zarle::cardart
