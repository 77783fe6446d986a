#include "data/ServerSchema.h"

#include <array>

namespace ServerSchema {

namespace {

QStringList versionOne() {
    QStringList statements{
        QStringLiteral("CREATE EXTENSION IF NOT EXISTS unaccent WITH SCHEMA public"),
        QStringLiteral("CREATE TABLE velloran_schema (version integer NOT NULL)"),
        QStringLiteral("INSERT INTO velloran_schema VALUES (0)"),
        QStringLiteral("CREATE TABLE velloran_counts (tablename text PRIMARY KEY, rows bigint NOT NULL)"),
        // Letter case and accents folded, everything but letters and digits a break between words: as the files'
        // words index reads a record.
        QStringLiteral("CREATE FUNCTION velloran_fold(t text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE AS "
                       "$$ SELECT lower(public.unaccent('public.unaccent'::regdictionary, coalesce(t, ''))) $$"),
        QStringLiteral("CREATE FUNCTION velloran_words(t text) RETURNS tsvector LANGUAGE sql IMMUTABLE PARALLEL SAFE "
                       "AS $$ SELECT to_tsvector('simple', regexp_replace(velloran_fold(t), '[^[:alnum:]]+', ' ', "
                       "'g')) $$"),
        // Every typed word a phrase of its parts, the last of them a prefix; all of them must be there.
        QStringLiteral(
            "CREATE FUNCTION velloran_query(typed text) RETURNS tsquery LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ "
            "SELECT to_tsquery('simple', coalesce(string_agg(phrase || ':*', ' & '), '')) FROM (SELECT (SELECT "
            "string_agg(quote_literal(part), ' <-> ' ORDER BY n) FROM regexp_split_to_table(regexp_replace("
            "velloran_fold(word), '[^[:alnum:]]+', ' ', 'g'), ' ') WITH ORDINALITY AS parts(part, n) WHERE part <> '') "
            "AS phrase FROM regexp_split_to_table(typed, '\\s+') AS word) AS phrases WHERE phrase IS NOT NULL $$"),
        QStringLiteral(
            "CREATE FUNCTION velloran_changed() RETURNS trigger LANGUAGE plpgsql AS $$ DECLARE row_key text; BEGIN IF "
            "current_setting('velloran.quiet', true) = 'on' THEN RETURN NULL; END IF; IF TG_OP = 'DELETE' THEN "
            "row_key := to_jsonb(OLD) ->> TG_ARGV[0]; UPDATE velloran_counts SET rows = rows - 1 WHERE tablename = "
            "TG_TABLE_NAME; ELSE row_key := to_jsonb(NEW) ->> TG_ARGV[0]; END IF; IF TG_OP = 'INSERT' THEN UPDATE "
            "velloran_counts SET rows = rows + 1 WHERE tablename = TG_TABLE_NAME; END IF; PERFORM "
            "pg_notify('velloran', TG_TABLE_NAME || ' ' || lower(TG_OP) || ' ' || row_key); RETURN NULL; END $$"),
        QStringLiteral(
            "CREATE FUNCTION velloran_emptied() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN UPDATE velloran_counts "
            "SET rows = 0 WHERE tablename = TG_TABLE_NAME; PERFORM pg_notify('velloran', TG_TABLE_NAME || ' truncate "
            "0'); RETURN NULL; END $$"),
    };
    for (const DataCatalog::File& file : DataCatalog::Files()) {
        statements += file.serverTables;
    }
    for (const KeptTable& table : KeptTables()) {
        statements << QStringLiteral("INSERT INTO velloran_counts VALUES ('%1', 0)").arg(table.name)
                   << QStringLiteral("CREATE TRIGGER %1_changed AFTER INSERT OR UPDATE OR DELETE ON %1 FOR EACH ROW "
                                     "EXECUTE FUNCTION velloran_changed('%2')")
                          .arg(table.name, table.key)
                   << QStringLiteral("CREATE TRIGGER %1_emptied AFTER TRUNCATE ON %1 FOR EACH STATEMENT EXECUTE "
                                     "FUNCTION velloran_emptied()")
                          .arg(table.name);
    }
    return statements;
}

// Every add carries a key of its own, which the program makes: an add whose answer the connection lost is looked for
// by it, and one tried again cannot be stored twice.
QStringList versionTwo() {
    QStringList statements;
    for (const KeptTable& table : KeptTables()) {
        statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN velloran_key uuid UNIQUE").arg(table.name);
    }
    return statements;
}

} // namespace

constexpr std::array migrations{versionOne, versionTwo};

QList<QStringList> Migrations() {
    QList<QStringList> made;
    for (const auto& make : migrations) {
        made << make();
    }
    return made;
}

int CurrentVersion() {
    return int(migrations.size());
}

QStringList AfterQuietStatements() {
    QStringList statements;
    for (const KeptTable& table : KeptTables()) {
        statements << QStringLiteral("UPDATE velloran_counts SET rows = (SELECT count(*) FROM %1) WHERE tablename = "
                                     "'%1'")
                          .arg(table.name);
    }
    statements << QStringLiteral("SELECT pg_notify('velloran', ' unknown 0')");
    return statements;
}

} // namespace ServerSchema
