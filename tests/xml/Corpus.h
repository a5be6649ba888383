#pragma once

// The parser tests' corpus.
namespace ParseSupport {

// Small documents covering every node kind and declaration form, written as
// the serialiser writes them (flags 0x04), so that parse and output give them
// back unchanged.
inline const char16_t* const corpus[] = {
    (u"<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<!-- prolog -->\n<?style href=\"a.css\"?>\n"
     u"<root a=\"1\" b=\"x&amp;y&lt;&gt;&quot;&apos;\"><child/>text &amp; more"
     u"<![CDATA[<raw> & ]]]><!--in--><?p d?><?empty?>\t<e>x</e>\n</root>\n"),

    (u"<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML "
     u"1.0 Transitional//EN\" \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
     u"<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n<meta content=\"text/html; "
     u"charset=utf-8\" http-equiv=\"Content-type\"/>\n<title>Book</title>\n<meta content=\"Book\" "
     u"name=\"dc:title\"/>\n<meta content=\"Pelorin\" name=\"vorka:generator\"/>\n</head>\n"
     u"<body>\n<h1 class=\"title\" id=\"h1\"><a href=\"a.smil#t1\">Book</a></h1>\n<span "
     u"class=\"page-normal\" id=\"p1\"><a href=\"a.smil#p1\">1</a></span>\n</body>\n</html>"),

    (u"<?xml version=\"1.0\" ?>\n<a:root a:x=\"1\" xml:lang=\"en\" xmlns=\"urn:d\" "
     u"xmlns:a=\"urn:a\"><b a:y=\"2\" z=\"3\"/>"
     u"<c xmlns=\"urn:c\"><d/></c><a:e/></a:root>"),

    (u"<?xml version=\"1.0\" standalone=\"yes\" ?>\n<!DOCTYPE doc [\n"
     u"<!ELEMENT doc (head,body?,(p|list)*) >\n<!ELEMENT head EMPTY >\n<!ELEMENT body ANY >\n"
     u"<!ELEMENT p (#PCDATA|em)* >\n<!ELEMENT em (#PCDATA) >\n<!ELEMENT list (item+,(a,b)?)+ >\n"
     u"<!ATTLIST doc id ID #REQUIRED ref IDREF #IMPLIED refs IDREFS #IMPLIED tok NMTOKEN \"a\" "
     u"toks NMTOKENS #IMPLIED >\n<!ATTLIST p kind (note |warn) \"note\" fig NOTATION (gif |png) "
     u"#IMPLIED ent ENTITY #IMPLIED ents ENTITIES #IMPLIED ver CDATA #FIXED \"1\" >\n"
     u"<!ENTITY title \"The &lt;title&gt;\" >\n<!ENTITY logo SYSTEM \"logo.gif\" NDATA gif >\n"
     u"<!ENTITY chap PUBLIC \"-//P//chap\" \"chap.xml\" >\n<!ENTITY % common \"x\" >\n"
     u"<!ENTITY % ext SYSTEM \"ext.ent\" >\n<!NOTATION gif SYSTEM \"image/gif\" >\n"
     u"<!NOTATION png PUBLIC \"-//P//png\" >\n<!NOTATION jpg PUBLIC \"-//P//jpg\" \"jpg.exe\" >\n"
     u"<!-- a comment -->\n<?dtd-pi data?>\n]>\n<doc id=\"d1\"><head/><p kind=\"warn\">text "
     u"<em>em</em></p></doc>"),

    (u"<?xml version=\"1.0\" encoding=\"UTF-16\" ?><\u540D\u524D "
     u"\u5C5E\u6027=\"\u5024\">\u65E5\u672C\u8A9E\u30C6\u30AD\u30B9\u30C8"
     u"<\u5B50 x=\"\u00E9\"/></\u540D\u524D>"),

    u"<?xml version=\"1.0\" ?><!DOCTYPE a SYSTEM \"a.dtd\">\n<a>\n\t<b>  </b>\n\t<c/>\n</a>",
};

} // namespace ParseSupport
