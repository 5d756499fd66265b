#!/usr/bin/env bash
# Runs Debian's squid as a test proxy: 127.0.0.1:PORT, proxy authentication by SCHEME (basic over
# an htpasswd file, digest over a plain password file), no cache, in the foreground (no daemon).
# Everything it writes lives in DIR, which the caller removes.
# ntlm uses squid's fake helper, which accepts any user: it checks the handshake, not the password.
# Usage: squid_proxy.sh DIR PORT basic|digest|ntlm USER PASSWORD
set -euo pipefail
dir=$1 port=$2 scheme=$3 user=$4 password=$5
helpers=/usr/lib/squid

case $scheme in
  basic)
    htpasswd -b -c "$dir/passwords" "$user" "$password" 2>/dev/null
    auth="auth_param basic program $helpers/basic_ncsa_auth $dir/passwords"
    ;;
  digest)
    printf '%s:%s\n' "$user" "$password" >"$dir/passwords"
    auth="auth_param digest program $helpers/digest_file_auth $dir/passwords"
    ;;
  ntlm)
    auth="auth_param ntlm program $helpers/ntlm_fake_auth"
    ;;
  *)
    echo "squid_proxy.sh: unknown scheme $scheme" >&2
    exit 2
    ;;
esac

cat >"$dir/squid.conf" <<CONF
http_port 127.0.0.1:$port
visible_hostname modulix-test
$auth
$([ "$scheme" = ntlm ] || echo "auth_param $scheme realm modulix-test")
acl authenticated proxy_auth REQUIRED
http_access allow authenticated
http_access deny all
cache deny all
cache_mem 1 MB
pid_filename $dir/squid.pid
cache_log $dir/cache.log
access_log none
coredump_dir $dir
netdb_filename none
pinger_enable off
shutdown_lifetime 0 seconds
CONF

# Run as root, squid drops to its own user: that user must read and write here.
if [ "$(id -u)" = 0 ]; then chown -R proxy:proxy "$dir"; fi
exec /usr/sbin/squid -N -d 1 -f "$dir/squid.conf"
