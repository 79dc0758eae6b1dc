#!/usr/bin/env bash
# Authenticode-signs the Windows launcher for the disc (SHA-256, osslsigncode) and verifies the
# signature against the certificate authority before anything else uses the program.
#
#   tools/disc/sign.sh IN.exe OUT.exe EPOCH TEST_SIGNING_DIR
#
# The certificate, from the environment:
#   SIGN_CERT + SIGN_KEY        PEM files of the release engineer's code-signing certificate
#                               (SIGN_CERT may hold the chain after it) and its key;
#   SIGN_PKCS12 [+ SIGN_PASSWORD]  or the same as one PKCS#12 file;
#   SIGN_CA                     the authority to verify against (default: the system's roots);
#   SIGN_TIMESTAMP_URL          a time-stamping server, for release machines that reach one.
# Without a certificate, a test authority and a code-signing certificate it issued, made once
# in TEST_SIGNING_DIR (the authority's certificate is ca.pem there), and the program is signed
# for testing only: Windows names no trusted publisher for it.
#
# The signing time is EPOCH, so the same program signed twice with the same key gives the same
# bytes (RSA signatures with PKCS#1 v1.5 padding are deterministic). A time stamp is not.
set -euo pipefail

in=${1:?usage: sign.sh IN.exe OUT.exe EPOCH TEST_SIGNING_DIR}
out=${2:?}
epoch=${3:?}
test_dir=${4:?}

# Names in the signature: what Windows shows as the program's description and its address.
readonly description='N5-企业管理软件安装程序'
readonly address='http://www.n5-erp.example'

fail() {
  echo "sign: $*" >&2
  exit 1
}

# A test authority and a code-signing certificate, each valid from 2000 to 2099, so that any
# fixed signing time (the commit's) lies inside them.
make_test_signing() {
  local dir=$1
  rm -rf "$dir"
  mkdir -p "$dir/ca-db"
  : >"$dir/ca-db/index.txt"
  cat >"$dir/openssl.cnf" <<CNF
[ca]
default_ca = test_ca
[test_ca]
dir = $dir/ca-db
database = \$dir/index.txt
new_certs_dir = \$dir
serial = \$dir/serial
default_md = sha256
policy = anything
unique_subject = no
copy_extensions = none
[anything]
commonName = supplied
organizationName = optional
[req]
distinguished_name = dn
prompt = no
[dn]
[authority]
basicConstraints = critical, CA:TRUE
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
[code_signing]
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature
extendedKeyUsage = codeSigning
subjectKeyIdentifier = hash
authorityKeyIdentifier = keyid
CNF
  local cnf=$dir/openssl.cnf dates=(-startdate 20000101000000Z -enddate 20991231235959Z)
  echo 01 >"$dir/ca-db/serial"
  openssl genrsa -out "$dir/ca.key" 3072 2>/dev/null
  openssl req -new -config "$cnf" -key "$dir/ca.key" -out "$dir/ca.csr" \
    -subj '/O=N5 test signing/CN=N5 Test Authority (not trusted)'
  openssl ca -batch -config "$cnf" -selfsign -keyfile "$dir/ca.key" -in "$dir/ca.csr" \
    -extensions authority "${dates[@]}" -notext -out "$dir/ca.pem" 2>/dev/null
  openssl genrsa -out "$dir/code-signing.key" 3072 2>/dev/null
  openssl req -new -config "$cnf" -key "$dir/code-signing.key" -out "$dir/code-signing.csr" \
    -subj '/O=N5 test signing/CN=N5 Test Publisher (not trusted)'
  openssl ca -batch -config "$cnf" -cert "$dir/ca.pem" -keyfile "$dir/ca.key" \
    -in "$dir/code-signing.csr" -extensions code_signing "${dates[@]}" -notext \
    -out "$dir/code-signing.pem" 2>/dev/null
  touch "$dir/.complete"
}

signer=()
ca=${SIGN_CA:-}
testing=0
if [ -n "${SIGN_PKCS12:-}" ]; then
  [ -f "$SIGN_PKCS12" ] || fail "no PKCS#12 file $SIGN_PKCS12"
  signer=(-pkcs12 "$SIGN_PKCS12")
  if [ -n "${SIGN_PASSWORD:-}" ]; then signer+=(-pass "$SIGN_PASSWORD"); fi
elif [ -n "${SIGN_CERT:-}${SIGN_KEY:-}" ]; then
  [ -f "${SIGN_CERT:-}" ] || fail "SIGN_CERT names no file: ${SIGN_CERT:-}"
  [ -f "${SIGN_KEY:-}" ] || fail "SIGN_KEY names no file: ${SIGN_KEY:-}"
  signer=(-certs "$SIGN_CERT" -key "$SIGN_KEY")
else
  testing=1
  if [ ! -f "$test_dir/.complete" ]; then
    make_test_signing "$test_dir" || fail "cannot make the test certificates in $test_dir"
  fi
  signer=(-certs "$test_dir/code-signing.pem" -key "$test_dir/code-signing.key")
  ca=$test_dir/ca.pem
fi
[ -n "$ca" ] || ca=/etc/ssl/certs/ca-certificates.crt

timestamp=()
if [ -n "${SIGN_TIMESTAMP_URL:-}" ]; then timestamp=(-ts "$SIGN_TIMESTAMP_URL"); fi

rm -f "$out"
osslsigncode sign "${signer[@]}" -h sha256 -n "$description" -i "$address" -time "$epoch" \
  "${timestamp[@]}" -in "$in" -out "$out" >"$out.log" 2>&1 ||
  fail "signing failed: $(tail -n 3 "$out.log" | tr '\n' ' ')"
if ! osslsigncode verify -CAfile "$ca" -in "$out" >"$out.log" 2>&1; then
  rm -f "$out"
  fail "the signature does not verify against $ca: $(grep -i 'error\|fail\|mismatch' "$out.log" | head -n 3 | tr '\n' ' ')"
fi
rm -f "$out.log"
if [ "$testing" -eq 1 ]; then
  echo "sign: signed for testing only (test authority $test_dir/ca.pem)"
else
  echo "sign: signed and verified against $ca"
fi
