#include "PPPPDSchema.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <QStringList>

#include <cstring>
#include <memory>

namespace {

// The faults libxml2 reports (the declaration is one line: the element names the place).
void collect(void* context, const xmlError* error) {
    auto* faults = static_cast<QStringList*>(context);
    if (error == nullptr || faults->size() >= 3)
        return;
    faults->append(QString::fromUtf8(error->message).trimmed());
}

void collectMutable(void* context, xmlError* error) { collect(context, error); }

}  // namespace

QString ValidatePPPPD(const QByteArray& xml) {
    QStringList faults;
    const char* schemaText = PPPPDSchemaText();
    const std::unique_ptr<xmlSchemaParserCtxt, decltype(&xmlSchemaFreeParserCtxt)> parser(
        xmlSchemaNewMemParserCtxt(schemaText, int(std::strlen(schemaText))), xmlSchemaFreeParserCtxt);
    xmlSchemaSetParserStructuredErrors(parser.get(), collectMutable, &faults);
    const std::unique_ptr<xmlSchema, decltype(&xmlSchemaFree)> schema(xmlSchemaParse(parser.get()), xmlSchemaFree);
    if (!schema)
        return QStringLiteral("šema PPP-PD prijave nije ispravna: ") + faults.join(QStringLiteral("; "));

    const std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)> reader(xmlNewParserCtxt(), xmlFreeParserCtxt);
    const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document(
        xmlCtxtReadMemory(reader.get(), xml.constData(), int(xml.size()), "ppp-pd.xml", nullptr,
                          XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
        xmlFreeDoc);
    if (!document) {
        collect(&faults, xmlCtxtGetLastError(reader.get()));
        return faults.isEmpty() ? QStringLiteral("XML nije ispravan") : faults.join(QStringLiteral("; "));
    }
    const std::unique_ptr<xmlSchemaValidCtxt, decltype(&xmlSchemaFreeValidCtxt)> validator(
        xmlSchemaNewValidCtxt(schema.get()), xmlSchemaFreeValidCtxt);
    xmlSchemaSetValidStructuredErrors(validator.get(), collectMutable, &faults);
    if (xmlSchemaValidateDoc(validator.get(), document.get()) != 0)
        return faults.isEmpty() ? QStringLiteral("prijava ne odgovara šemi") : faults.join(QStringLiteral("; "));
    return {};
}
