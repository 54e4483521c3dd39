// The element table, board geometry, families and tile art.
#include "testsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "catalogue/tiles.h"

#include <QImage>
#include <set>

using namespace catalogue;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void smoke() { QCOMPARE(Element(0).number, 1); }
};

void CatalogueTest::records_data() {}
void CatalogueTest::records() {}

VELMOR08_TEST_MAIN(CatalogueTest)
#include "test_catalogue.moc"
